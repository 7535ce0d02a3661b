#include "controller/ControlCardPage.h"

#include "controller/RsIrControl.h"
#include "controller/SwitchBox.h"
#include "pages/PageServices.h"

namespace {

// A ticked relay box opens its relay ("0"), a ticked I/O box sets its line ("1").
const SwitchBox::Shape Relays = {
    "GroupBox88", "Relay Control", "WRRL",
    {"CheckBox203", "CheckBox214", "CheckBox215", "CheckBox216", "CheckBox217", "CheckBox218"},
    "CheckBox67", "All Relays", '0', '1'};

const SwitchBox::Shape IoLines = {
    "GroupBox90", "I/O Control", "WRIO",
    {"CheckBox219", "CheckBox220", "CheckBox221", "CheckBox222"},
    "CheckBox224", "All I/O", '1', '0'};

constexpr int Top = 4;
constexpr int Gap = 8;

} // namespace

ControlCardPage::ControlCardPage(const QComboBox *models, const PageServices &services,
                                 QWidget *parent)
    : CardPage({PageDispatch::Page::ControlCard1, "ControlBack1", "ControlBlock1", 50,
                "ControlDiagram1"},
               models, parent)
{
    auto *rsIr = new RsIrControl(services, this);
    rsIr->move(Gap, Top);
    auto *relays = new SwitchBox(Relays, services.target, services.desktop, this);
    relays->move(rsIr->geometry().right() + Gap, Top);
    auto *ioLines = new SwitchBox(IoLines, services.target, services.desktop, this);
    ioLines->move(relays->x(), relays->geometry().bottom() + Gap);
    SetDiagramCovers({rsIr, relays, ioLines});
}
