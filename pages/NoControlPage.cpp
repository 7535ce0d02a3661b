#include "pages/NoControlPage.h"

#include "app/ClickableLabel.h"
#include "app/QlError.h"
#include "controller/JpegDecoder.h"
#include "controller/WebPages.h"
#include "document/Artwork.h"
#include "pages/CardPage.h"
#include "pages/ModelPictureBox.h"

#include <QLabel>
#include <QPixmap>

const QString NoControlPage::CoverPlateText =
    QStringLiteral("Select this cover plate if a slot does not have any cards inserted.");
const QString NoControlPage::NoControlsText =
    QStringLiteral("This card has no controls: nothing can be sent to it from here.");

namespace {

constexpr int TextLeft = 24;
constexpr int TextTop = 16;
constexpr int PhotoTop = 48;
constexpr int ContentWidth = 560;
constexpr int PhotoHeight = 230;
// A model without controls: its block diagram, the text beside it.
constexpr QRect DiagramRect{8, 1, 430, 288};
constexpr int SideTextLeft = 444;
constexpr int SideTextGap = 10;

// The compiled-in cover-plate photo, fitted into the page; a photo that cannot
// be decoded leaves the page without it.
QImage CoverPhoto()
{
    const QByteArray jpeg = Artwork::CoverPlateJpeg();
    if (jpeg.isEmpty())
        return {};
    try {
        return JpegDecoder::Decode(jpeg).scaled(ContentWidth, PhotoHeight, Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation);
    } catch (const QlError &error) {
        qWarning("%s", qPrintable(error.message()));
        return {};
    }
}

} // namespace

NoControlPage::NoControlPage(const QComboBox *models, Desktop &desktop, QWidget *parent)
    : QWidget(parent), m_desktop(desktop)
{
    setObjectName(PageDispatch::PageName(PageDispatch::Page::NoControl));
    m_text = new QLabel(CoverPlateText, this);
    m_text->setObjectName(QStringLiteral("lblNoControl"));
    m_text->setWordWrap(true);
    m_text->setGeometry(TextLeft, TextTop, ContentWidth, 24);

    m_photo = new ClickableLabel(this);
    m_photo->setObjectName(QStringLiteral("Image39"));
    m_photo->setToolTip(QStringLiteral("Open Quillon web site."));
    m_photo->setCursor(Qt::PointingHandCursor);
    const QImage photo = CoverPhoto();
    m_photo->setPixmap(QPixmap::fromImage(photo));
    // Only the photo itself takes the click.
    m_photo->setGeometry(QRect(QPoint(TextLeft, PhotoTop),
                               photo.isNull() ? QSize(ContentWidth, PhotoHeight) : photo.size()));
    m_photo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(m_photo, &ClickableLabel::clicked, this, &NoControlPage::Image39Click);

    m_diagram = new ModelPictureBox(QStringLiteral("NoControlDiagram"), models,
                                    QStringLiteral("BD"), this);
    m_diagram->setGeometry(DiagramRect);
    m_diagram->hide();

    m_slotPicture = new ModelPictureBox(QStringLiteral("EmptySlot"), models, QString(), this);
    m_slotPicture->setGeometry(CardPage::RearPanelRect(1));
}

void NoControlPage::ShowCoverPlate()
{
    m_text->setText(CoverPlateText);
    m_text->setGeometry(TextLeft, TextTop, ContentWidth, 24);
    m_photo->show();
    m_diagram->hide();
    m_slotPicture->setGeometry(CardPage::RearPanelRect(1));
    // The page may stay in view from one model to the next.
    update();
}

void NoControlPage::ShowNoControls(int slotWidth)
{
    m_text->setText(NoControlsText);
    const int pictureLeft = CardPage::RearPanelRect(slotWidth).left();
    m_text->setGeometry(SideTextLeft, TextTop, pictureLeft - SideTextGap - SideTextLeft, 120);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_photo->hide();
    m_diagram->show();
    m_slotPicture->setGeometry(CardPage::RearPanelRect(slotWidth));
    update();
}

void NoControlPage::Image39Click()
{
    WebPages::Open(m_desktop, WebPages::FamilyPage());
}
