#include "document/DesignReport.h"

#include "app/QlError.h"
#include "document/EnclosurePicture.h"
#include "document/QlsDoc.h"
#include "document/TextFile.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Margins count this many times their inches in device pixels.
constexpr int MarginFactor = 4;
// Line text wraps at the page's right edge; tabs are expanded, "&" shown as is.
constexpr int TextFlags = Qt::TextWordWrap | Qt::TextExpandTabs;
// Groups listed in the report.
constexpr int ReportGroups = 8;

const QString SlotCoverLine = QStringLiteral("QL508-101  -   QUILLON CARD SLOT COVER (1 PC.)");

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

// Lays the report out on the device's pages, in device pixels. (x, y) is the
// cursor; the frame is left, top, right, bottom.
class ReportPainter
{
public:
    ReportPainter(QPagedPaintDevice &device, const TQlsDoc &doc)
        : m_device(device), m_doc(doc)
    {
    }

    void Print(const ReportSetup &setup, const ReportPicture &picture)
    {
        m_device.setPageOrientation(setup.portrait ? QPageLayout::Portrait
                                                   : QPageLayout::Landscape);
        SetFrame(setup.margins);
        if (!m_painter.begin(&m_device))
            throw QlError(QStringLiteral("The printer could not start the report."));
        PrintHeader();

        if (setup.cardAndGroupInfo)
            PrintCardAndGroupInfo();
        if (setup.programCode)
            PrintProgram();
        const bool textSections = setup.cardAndGroupInfo || setup.programCode;
        if (setup.lowResolutionPicture) {
            if (textSections)
                NewPage();
            PrintPicture(picture(m_doc, false));
        }
        if (setup.highResolutionPicture) {
            if (textSections || setup.lowResolutionPicture)
                NewPage();
            PrintPicture(picture(m_doc, true));
        }
        if (!m_painter.end())
            throw QlError(QStringLiteral("The printer could not finish the report."));
    }

private:
    void SetFrame(const std::array<double, 4> &margins)
    {
        const double perInch = double(m_device.logicalDpiY()) * MarginFactor;
        const double width = m_device.width();
        const double height = m_device.height();
        const double left = margins[ReportSetup::Left] * perInch;
        const double right = width - margins[ReportSetup::Right] * perInch;
        const double top = margins[ReportSetup::Top] * perInch;
        const double bottom = height - margins[ReportSetup::Bottom] * perInch;
        // Also refuses margins so far off the page that the pixels overflow.
        const double limit = 2 * std::max(width, height);
        const auto onPage = [limit](double v) { return std::abs(v) <= limit; };
        if (!(left < right && top < bottom && onPage(left) && onPage(right) && onPage(top)
              && onPage(bottom)))
            throw QlError(QStringLiteral("The margins leave no room to print on this page."));
        m_left = qRound(left);
        m_right = qRound(right);
        m_top = qRound(top);
        m_bottom = qRound(bottom);
    }

    void PrintHeader()
    {
        m_x = m_left;
        m_y = m_top;
        for (const auto &row : HeaderFields)
            m_y += DrawText(QLatin1String(row.label) + m_doc.InfoField(row.field));
        const int leftColumnEnd = m_y;

        m_x = (m_left + m_right) / 2;
        m_y = m_top;
        m_y += DrawText(TextFile::SplitLines(m_doc.InfoField(TQlsDoc::COMMENT)).join(u'\n'));

        m_y = std::max(leftColumnEnd, m_y);
        m_painter.drawLine(m_left, m_y, m_right, m_y);
        m_x = m_left;
        m_y += DrawText(QStringLiteral(" "));
        m_bodyTop = m_y;
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
    // its proportions; the cursor stays.
    void PrintPicture(const QImage &picture)
    {
        if (picture.isNull())
            return;
        const double factor = std::min(double(m_bottom - m_y) / picture.height(),
                                       double(m_right - m_x) / picture.width());
        if (factor <= 0)
            return;
        m_painter.drawImage(QRect(m_x, m_y, qRound(picture.width() * factor),
                                  qRound(picture.height() * factor)),
                            picture);
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
        if (!m_device.newPage())
            throw QlError(QStringLiteral("The printer could not start a new page."));
        PrintHeader();
    }

    // From the cursor to the page's full width and height.
    QRect TextRect() const
    {
        return QRect(m_x, m_y, std::max(m_device.width() - m_x, 1),
                     std::max(m_device.height() - m_y, 1));
    }

    int LineHeight() const { return m_painter.fontMetrics().height(); }

    int TextHeight(const QString &text)
    {
        if (text.isEmpty())
            return LineHeight();
        return m_painter.boundingRect(TextRect(), TextFlags, text).height();
    }

    // Draws at the cursor; returns the height drawn (an empty text is an
    // empty line).
    int DrawText(const QString &text)
    {
        if (text.isEmpty())
            return LineHeight();
        QRect drawn;
        m_painter.drawText(TextRect(), TextFlags, text, &drawn);
        return drawn.height();
    }

    // The text's lines as wrapped at the page's right edge.
    QStringList WrappedLines(const QString &text) const
    {
        QTextLayout layout(text, m_painter.font(), &m_device);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
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
    QPainter m_painter;
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;
    int m_x = 0;
    int m_y = 0;
    int m_bodyTop = 0; // the cursor's height below the header of the current page
};

} // namespace

void PrintReport(QPagedPaintDevice &device, const TQlsDoc &doc, const ReportSetup &setup,
                 const ReportPicture &picture)
{
    ReportPainter(device, doc).Print(setup, picture);
}

void PrintReport(QPagedPaintDevice &device, const TQlsDoc &doc, const ReportSetup &setup)
{
    PrintReport(device, doc, setup, &EnclosurePicture::RenderPicture);
}
