#include "controller/SwitchBox.h"

#include "command/CommandTarget.h"
#include "command/ErrorReport.h"

#include <QCheckBox>

namespace {

constexpr int Left = 10;
constexpr int Top = 20;
constexpr int Pitch = 31;
constexpr int RowHeight = 20;

} // namespace

SwitchBox::SwitchBox(const Shape &shape, CommandTarget &target, Desktop &desktop, QWidget *parent)
    : QGroupBox(QLatin1String(shape.caption), parent), m_shape(shape), m_target(target),
      m_desktop(desktop)
{
    setObjectName(QLatin1String(shape.name));
    auto add = [this](const char *name, const QString &caption, int position, const QRect &place) {
        auto *box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(place);
        connect(box, &QCheckBox::clicked, this, [this, position](bool ticked) {
            ReportErrors(m_desktop, [&] { SwitchClick(position, ticked); });
        });
    };
    for (int i = 0; i < shape.boxes.size(); ++i)
        add(shape.boxes[i], QString::number(i + 1), i + 1,
            QRect(Left + i * Pitch, Top, Pitch, RowHeight));
    add(shape.allName, QLatin1String(shape.allCaption), 0,
        QRect(Left, Top + RowHeight + 4, 120, RowHeight));
    resize(204, Top + 2 * RowHeight + 12);
}

void SwitchBox::SwitchClick(int position, bool ticked)
{
    const QChar set = QLatin1Char(ticked ? m_shape.ticked : m_shape.cleared);
    QString positions(m_shape.boxes.size(), position == 0 ? set : QLatin1Char('X'));
    if (position > 0)
        positions[position - 1] = set;
    m_target.SendCommand(QLatin1Char('[') + QLatin1String(m_shape.command) + positions
                             + QStringLiteral("C%c]"),
                         QString(), QString());
}
