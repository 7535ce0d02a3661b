#include "document/DesignReport.h"

#include "app/QlError.h"
#include "document/EnclosurePicture.h"
#include "document/QlsDoc.h"
#include "document/TextFile.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Line text wraps at the printable area's right edge; tabs are expanded, "&" shown as is.
constexpr int TextFlags = Qt::TextWordWrap | Qt::TextExpandTabs;
// Groups listed in the report.
constexpr int ReportGroups = 8;
// A picture finer than twice this many pixels per inch of paper is reduced
// by a whole number of its pixels (averaged) to no fewer: more adds nothing
// visible on paper but size, and whole steps keep the flat colours exact.
constexpr int PicturePixelsPerInch = 300;

const QString SlotCoverLine = QStringLiteral("QL508-101  -   QUILLON CARD SLOT COVER (1 PC.)");
const QString UntitledName = QStringLiteral("Untitled");

const struct
{
    const char *label;
    TQlsDoc::InfoIndex field;
} HeaderFields[] = {
    {"Company: ", TQlsDoc::COMPANY}, {"Account: ", TQlsDoc::ACCOUNT},
    {"Contact: ", TQlsDoc::CONTACT}, {"Phone: ", TQlsDoc::PHONE},
    {"Fax: ", TQlsDoc::FAX},         {"Email: ", TQlsDoc::EMAIL},
    {"SO number: ", TQlsDoc::SO},    {"TSR number: ", TQlsDoc::TSR},
};

// The device's printable area, in pixels from the paper's top-left corner;
// the device's page margins become the printer's minimum margins.
QRect PrintableArea(QPagedPaintDevice &device)
{
    QPageLayout layout = device.pageLayout();
    layout.setMode(QPageLayout::StandardMode);
    layout.setMargins(layout.minimumMargins());
    device.setPageLayout(layout);
    return layout.paintRectPixels(device.logicalDpiX());
}

// Lays the report out on the device's pages, in pixels from the paper's
// top-left corner. (x, y) is the cursor; the frame is left, top, right,
// bottom. Without drawing it only counts the pages, for the footer's "of m".
class ReportPainter
{
public:
    ReportPainter(QPagedPaintDevice &device, const TQlsDoc &doc, const ReportSetup &setup,
                  const ReportFooter &footer)
        : m_device(device), m_doc(doc), m_setup(setup), m_footer(footer),
          m_font(QFont(), &device), m_metrics(m_font, &device)
    {
    }

    int CountPages()
    {
        Prepare();
        PrintBody();
        return m_page;
    }

    void Print(int pageCount, const ReportPicture &picture)
    {
        m_pageCount = pageCount;
        m_picture = &picture;
        Prepare();
        if (!m_painter.begin(&m_device))
            throw QlError(QStringLiteral("The printer could not start the report."));
        m_painter.setFont(m_font);
        // Flate instead of JPEG in PDF output: the art's flat colours stay
        // exact and pack smaller.
        m_painter.setRenderHint(QPainter::LosslessImageRendering);
        // Painting starts at the printable area's corner.
        m_painter.translate(-m_printable.topLeft());
        PrintBody();
        PrintFooter();
        if (!m_painter.end())
            throw QlError(QStringLiteral("The printer could not finish the report."));
    }

private:
    void Prepare()
    {
        m_device.setPageOrientation(m_setup.portrait ? QPageLayout::Portrait
                                                     : QPageLayout::Landscape);
        m_printable = PrintableArea(m_device);
        SetFrame();
        m_page = 1;
    }

    void PrintBody()
    {
        PrintHeader();
        if (m_setup.cardAndGroupInfo)
            PrintCardAndGroupInfo();
        if (m_setup.programCode)
            PrintProgram();
        const bool textSections = m_setup.cardAndGroupInfo || m_setup.programCode;
        if (m_setup.lowResolutionPicture) {
            if (textSections)
                NewPage();
            PrintPicture(false);
        }
        if (m_setup.highResolutionPicture) {
            if (textSections || m_setup.lowResolutionPicture)
                NewPage();
            PrintPicture(true);
        }
    }

    bool Drawing() const { return m_painter.isActive(); }

    // Each margin counts from the paper's edge and ends no nearer to it than
    // the printable area; the footer keeps its band above the area's bottom.
    void SetFrame()
    {
        const double perInchX = m_device.logicalDpiX();
        const double perInchY = m_device.logicalDpiY();
        const QRect paper = m_device.pageLayout().fullRectPixels(m_device.logicalDpiX());
        const auto &margins = m_setup.margins;
        double bottomLimit = m_printable.bottom() + 1.0;
        if (m_setup.pageFooter)
            bottomLimit -= FooterBand();
        const double left =
            std::max(margins[ReportSetup::Left] * perInchX, double(m_printable.left()));
        const double right = std::min(paper.width() - margins[ReportSetup::Right] * perInchX,
                                      m_printable.right() + 1.0);
        const double top =
            std::max(margins[ReportSetup::Top] * perInchY, double(m_printable.top()));
        const double bottom = std::min(paper.height() - margins[ReportSetup::Bottom] * perInchY,
                                       bottomLimit);
        // Inside the printable area, so the pixels cannot overflow.
        if (!(left < right && top < bottom))
            throw QlError(QStringLiteral("The margins leave no room to print on this page. "
                                         "Choose smaller margins in Page Setup."));
        m_left = qRound(left);
        m_right = qRound(right);
        m_top = qRound(top);
        m_bottom = qRound(bottom);
    }

    // The footer's line with half a line of room above it.
    int FooterBand() const { return LineHeight() * 3 / 2; }

    void PrintHeader()
    {
        // The customer fields wrap before the comment column.
        const int commentColumn = (m_left + m_right) / 2;
        const int fieldsRight = commentColumn - m_metrics.averageCharWidth();
        m_x = m_left;
        m_y = m_top;
        for (const auto &row : HeaderFields)
            m_y += DrawText(QLatin1String(row.label) + m_doc.InfoField(row.field), fieldsRight);
        const int leftColumnEnd = m_y;

        m_x = commentColumn;
        m_y = m_top;
        m_y += DrawText(TextFile::SplitLines(m_doc.InfoField(TQlsDoc::COMMENT)).join(u'\n'));

        m_y = std::max(leftColumnEnd, m_y);
        if (Drawing())
            m_painter.drawLine(m_left, m_y, m_right, m_y);
        m_x = m_left;
        m_y += DrawText(QStringLiteral(" "));
        m_bodyTop = m_y;
    }

    // File name, print date and "Page n of m" on one line below the frame.
    void PrintFooter()
    {
        if (!m_setup.pageFooter)
            return;
        const QRect line(m_left, m_bottom + LineHeight() / 2, m_right - m_left, LineHeight());
        const int third = line.width() / 3;
        const QString name = m_footer.fileName.isEmpty() ? UntitledName : m_footer.fileName;
        m_painter.drawText(line, Qt::AlignLeft | Qt::AlignTop,
                           m_metrics.elidedText(name, Qt::ElideMiddle, third));
        m_painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop,
                           m_footer.printed.toString(Qt::ISODate));
        m_painter.drawText(line, Qt::AlignRight | Qt::AlignTop,
                           QStringLiteral("Page %1 of %2").arg(m_page).arg(m_pageCount));
    }

    void PrintCardAndGroupInfo()
    {
        PrintLine(QStringLiteral(" "));
        PrintLine(QStringLiteral("CARD INFORMATION"));
        // Kinds 4 and 5 (read from files only) list no slots.
        const int kind = m_doc.EnclosureKind();
        const int slotCount = kind < 4 ? m_doc.SlotCountOfEnclosure() : 0;
        for (int slot = 1; slot <= slotCount; ++slot) {
            const QString text = m_doc.CardText(slot);
            PrintLine(QStringLiteral("Card %1: %2").arg(slot).arg(text.isEmpty() ? SlotCoverLine
                                                                                 : text));
        }
        PrintLine(QStringLiteral(" "));
        PrintLine(QStringLiteral("GROUP INFORMATION"));
        for (int group = 1; group <= ReportGroups; ++group)
            PrintLine(QStringLiteral("Group %1: %2").arg(group).arg(m_doc.GroupList(group)));
        PrintLine(QStringLiteral(" "));
    }

    void PrintProgram()
    {
        const QStringList lines = TextFile::SplitLines(m_doc.InfoField(TQlsDoc::PROG));
        if (lines.isEmpty())
            return;
        PrintLine(QStringLiteral("PROGRAM CODE"));
        for (const QString &line : lines)
            PrintLine(line);
    }

    // The picture stretched to the space right and below the cursor, keeping
    // its proportions; the cursor stays. Counting pages composes none.
    void PrintPicture(bool highResolution)
    {
        if (!Drawing())
            return;
        const QImage picture = (*m_picture)(m_doc, highResolution);
        if (picture.isNull())
            return;
        const double factor = std::min(double(m_bottom - m_y) / picture.height(),
                                       double(m_right - m_x) / picture.width());
        if (factor <= 0)
            return;
        const QRect target(m_x, m_y, qRound(picture.width() * factor),
                           qRound(picture.height() * factor));
        const double perInch = picture.width() / (double(target.width()) / m_device.logicalDpiX());
        const int step = std::max(1, int(perInch / PicturePixelsPerInch));
        m_painter.drawImage(target, step == 1 ? picture
                                              : picture.scaled(picture.width() / step,
                                                               picture.height() / step,
                                                               Qt::IgnoreAspectRatio,
                                                               Qt::SmoothTransformation));
    }

    // A body text: a new page with its header first when the text, wrapped,
    // would reach the bottom of the frame. A text taller than a whole page
    // goes one wrapped line at a time.
    void PrintLine(const QString &text)
    {
        const int height = TextHeight(text);
        if (!Fits(height)) {
            if (height > LineHeight() && m_bodyTop >= m_bottom - height) {
                for (const QString &part : WrappedLines(text)) {
                    if (!Fits(TextHeight(part)))
                        BreakPage();
                    m_y += DrawText(part);
                }
                return;
            }
            BreakPage();
        }
        m_y += DrawText(text);
    }

    bool Fits(int height) const { return m_y < m_bottom - height; }

    // A page that holds only its header takes the text anyway: a header that
    // fills the page must not start page after page.
    void BreakPage()
    {
        if (m_y > m_bodyTop)
            NewPage();
    }

    void NewPage()
    {
        if (Drawing()) {
            PrintFooter();
            if (!m_device.newPage())
                throw QlError(QStringLiteral("The printer could not start a new page."));
        }
        ++m_page;
        PrintHeader();
    }

    // From the cursor to `right` (the printable area's right edge unless
    // given) and the printable area's bottom.
    QRect TextRect(int right = -1) const
    {
        if (right < 0)
            right = m_printable.right() + 1;
        return QRect(m_x, m_y, std::max(right - m_x, 1),
                     std::max(m_printable.bottom() + 1 - m_y, 1));
    }

    int LineHeight() const { return m_metrics.height(); }

    // Words wrap; a word wider than the room breaks anywhere rather than
    // run past it.
    int Flags(const QString &text, int width) const
    {
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        for (const QString &word : text.split(blanks, Qt::SkipEmptyParts))
            if (m_metrics.horizontalAdvance(word) > width)
                return TextFlags | Qt::TextWrapAnywhere;
        return TextFlags;
    }

    int TextHeight(const QString &text, int right = -1) const
    {
        if (text.isEmpty())
            return LineHeight();
        const QRect rect = TextRect(right);
        return m_metrics.boundingRect(rect, Flags(text, rect.width()), text).height();
    }

    // Draws at the cursor; returns the height taken (an empty text is an
    // empty line). Measured the same way whether drawing or counting pages.
    int DrawText(const QString &text, int right = -1)
    {
        if (Drawing() && !text.isEmpty()) {
            const QRect rect = TextRect(right);
            m_painter.drawText(rect, Flags(text, rect.width()), text);
        }
        return TextHeight(text, right);
    }

    // The text's lines as wrapped at the printable area's right edge.
    QStringList WrappedLines(const QString &text) const
    {
        QTextLayout layout(text, m_font, &m_device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QStringList lines;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(TextRect().width());
            lines << text.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
        return lines;
    }

    QPagedPaintDevice &m_device;
    const TQlsDoc &m_doc;
    const ReportSetup &m_setup;
    const ReportFooter &m_footer;
    const ReportPicture *m_picture = nullptr;
    QFont m_font;
    QFontMetrics m_metrics;
    QPainter m_painter;
    QRect m_printable;
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;
    int m_x = 0;
    int m_y = 0;
    int m_bodyTop = 0; // the cursor's height below the header of the current page
    int m_page = 1;
    int m_pageCount = 1;
};

} // namespace

ReportFooter ReportFooter::For(const TQlsDoc &doc)
{
    return {QFileInfo(doc.InfoField(TQlsDoc::FILENAME)).fileName(), QDate::currentDate()};
}

int PrintReport(QPagedPaintDevice &device, const TQlsDoc &doc, const ReportSetup &setup,
                const ReportFooter &footer, const ReportPicture &picture)
{
    const int pageCount = ReportPainter(device, doc, setup, footer).CountPages();
    ReportPainter(device, doc, setup, footer).Print(pageCount, picture);
    return pageCount;
}

int PrintReport(QPagedPaintDevice &device, const TQlsDoc &doc, const ReportSetup &setup)
{
    return PrintReport(device, doc, setup, ReportFooter::For(doc),
                       &EnclosurePicture::RenderPicture);
}
