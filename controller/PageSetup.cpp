#include "controller/PageSetup.h"

#include "document/Artwork.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

const struct
{
    const char *name;
    const char *caption;
    bool ticked;
} OptionTable[] = {
    {"chkInfo", "Card and Group information", true},
    {"chkCode", "Program Code", true},
    {"chkLores", "Low resolution preview image", true},
    {"chkHires", "High resolution preview image", false},
};

const struct
{
    const char *name;
    const char *caption;
} MarginTable[] = {
    {"txtLeft", "Left:"},
    {"txtRight", "Right:"},
    {"txtTop", "Top:"},
    {"txtBottom", "Bottom:"},
};

const QString StartMargin = QStringLiteral("0.0");
constexpr int OrientPictureSize = 32;

QLabel *Picture(const QString &name, const QString &artwork, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(OrientPictureSize, OrientPictureSize);
    label->setPixmap(QPixmap::fromImage(Artwork::Picture(artwork)));
    return label;
}

} // namespace

TFormPageSetup::TFormPageSetup(QWidget *parent) : QDialog(parent)
{
    FormCreate();
}

void TFormPageSetup::FormCreate()
{
    setObjectName(QStringLiteral("FormPageSetup"));
    setWindowTitle(QStringLiteral("Page Setup"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("btnOk"));
    m_ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *grid = new QGridLayout(this);
    grid->addWidget(CreateOptions(), 0, 0);
    grid->addWidget(CreateOrientation(), 0, 1);
    grid->addWidget(CreateMargins(), 1, 0, 1, 2);
    grid->addWidget(buttons, 2, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    OrientClick();
    Validate();
}

QWidget *TFormPageSetup::CreateOptions()
{
    auto *box = new QGroupBox(QStringLiteral("Print Options"), this);
    box->setObjectName(QStringLiteral("grpOptions"));
    auto *column = new QVBoxLayout(box);
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        auto *option = new QCheckBox(QLatin1String(OptionTable[i].caption), box);
        option->setObjectName(QLatin1String(OptionTable[i].name));
        option->setChecked(OptionTable[i].ticked);
        connect(option, &QCheckBox::toggled, this, &TFormPageSetup::Validate);
        column->addWidget(option);
        m_options[i] = option;
    }
    // Not a section of the report: it does not count for "Ok".
    m_footer = new QCheckBox(QStringLiteral("Page numbers and date"), box);
    m_footer->setObjectName(QStringLiteral("chkFooter"));
    m_footer->setChecked(true);
    column->addWidget(m_footer);
    return box;
}

QWidget *TFormPageSetup::CreateOrientation()
{
    auto *box = new QGroupBox(QStringLiteral("Orientation"), this);
    box->setObjectName(QStringLiteral("grpOrientation"));
    m_portrait = new QRadioButton(QStringLiteral("Portrait"), box);
    m_portrait->setObjectName(QStringLiteral("optionPortrait"));
    m_portrait->setChecked(true);
    m_landscape = new QRadioButton(QStringLiteral("Landscape"), box);
    m_landscape->setObjectName(QStringLiteral("optionLandscape"));
    for (QRadioButton *option : {m_portrait, m_landscape})
        connect(option, &QRadioButton::toggled, this, &TFormPageSetup::OrientClick);

    m_orient = Picture(QStringLiteral("imgOrient"), QString(), box);
    m_portraitPicture = Picture(QStringLiteral("imgPortrait"), Artwork::PortraitPage, box);
    m_landscapePicture = Picture(QStringLiteral("imgLandscape"), Artwork::LandscapePage, box);
    m_portraitPicture->hide();
    m_landscapePicture->hide();

    auto *grid = new QGridLayout(box);
    grid->addWidget(m_orient, 0, 0, 2, 1, Qt::AlignCenter);
    grid->addWidget(m_portrait, 0, 1);
    grid->addWidget(m_landscape, 1, 1);
    grid->setColumnMinimumWidth(0, OrientPictureSize + 8);
    return box;
}

QWidget *TFormPageSetup::CreateMargins()
{
    auto *box = new QGroupBox(QStringLiteral("Margins"), this);
    box->setObjectName(QStringLiteral("grpMargins"));
    auto *grid = new QGridLayout(box);
    for (std::size_t i = 0; i < m_margins.size(); ++i) {
        auto *edit = new QLineEdit(StartMargin, box);
        edit->setObjectName(QLatin1String(MarginTable[i].name));
        connect(edit, &QLineEdit::textChanged, this, &TFormPageSetup::Validate);
        auto *label = new QLabel(QLatin1String(MarginTable[i].caption), box);
        label->setBuddy(edit);
        const int row = int(i) / 2;
        const int column = int(i) % 2 * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1);
        m_margins[i] = edit;
    }
    auto *note = new QLabel(QStringLiteral("Measurements are expressed in inches"), box);
    note->setObjectName(QStringLiteral("lblInches"));
    grid->addWidget(note, 2, 0, 1, 4);
    return box;
}

bool TFormPageSetup::PrintOption(int index) const
{
    if (index == 0)
        return m_portrait->isChecked();
    if (index < 1 || index > int(m_options.size()))
        return false;
    return m_options[index - 1]->isChecked();
}

double TFormPageSetup::Margin(int index) const
{
    if (index < 0 || index >= int(m_margins.size()))
        return 0;
    return MarginNumber(m_margins[index]->text()).value_or(0);
}

ReportSetup TFormPageSetup::Choices() const
{
    ReportSetup setup;
    setup.portrait = PrintOption(0);
    setup.cardAndGroupInfo = PrintOption(1);
    setup.programCode = PrintOption(2);
    setup.lowResolutionPicture = PrintOption(3);
    setup.highResolutionPicture = PrintOption(4);
    setup.pageFooter = m_footer->isChecked();
    for (int i = 0; i < int(setup.margins.size()); ++i)
        setup.margins[i] = Margin(i);
    return setup;
}

void TFormPageSetup::Validate()
{
    bool enable = false;
    for (const QCheckBox *option : m_options)
        enable = enable || option->isChecked();
    for (const QLineEdit *margin : m_margins) {
        if (!enable)
            break;
        enable = MarginNumber(margin->text()).has_value();
    }
    m_ok->setEnabled(enable);
}

void TFormPageSetup::OrientClick()
{
    const QLabel *shown = m_portrait->isChecked() ? m_portraitPicture : m_landscapePicture;
    m_orient->setPixmap(shown->pixmap());
}

std::optional<double> TFormPageSetup::MarginNumber(const QString &text)
{
    bool ok = false;
    // QString::toDouble reads the C locale: a decimal point, no group separators.
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}
