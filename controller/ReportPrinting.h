#pragma once

#include <QString>

#include <functional>

class Desktop;
class QIODevice;
class QWidget;
class TFormPageSetup;
class TQlsDoc;
struct ReportSetup;

// The design report on paper, on screen and as a PDF file, laid out as the
// page setup chooses. Errors are shown in a message box.
class ReportPrinting
{
public:
    // `notice` writes a line of the program's own into the terminal.
    using Notice = std::function<void(const QString &line)>;

    ReportPrinting(Desktop &desktop, const TFormPageSetup &pageSetup, QWidget *window,
                   Notice notice);

    // The system print dialog, then the report on the chosen printer.
    void Print(const TQlsDoc &doc);
    // The print preview of the report.
    void Preview(const TQlsDoc &doc);
    // The report as a PDF file chosen in the save dialog "Export Report as
    // PDF", preset to the design's name with ".pdf" in the design's folder
    // (or the folder of `lastFile` for a design never saved); a notice in
    // the terminal names the file and its pages.
    void ExportPdf(const TQlsDoc &doc, const QString &lastFile);

    // Writes the report into `path` in one step: a failed export leaves no
    // file (and an existing one whole). Returns the page count; throws
    // QlError saying why.
    int WritePdf(const TQlsDoc &doc, const QString &path) const;

    // Draws the report as a PDF into `out`, on the default printer's paper,
    // and returns the page count; throws QlError when it does not fit. A PDF
    // has no printer of its own: it keeps clear of the edge that most
    // printers cannot reach.
    static int DrawPdf(QIODevice &out, const TQlsDoc &doc, const ReportSetup &setup);
    static constexpr double PdfMinimumMarginInches = 0.25;

    static const QString PdfFilter;   // "PDF files|*.pdf|All files|*.*"
    static const QString ExportTitle; // "Export Report as PDF"
    // "Report exported to <path> (<n> pages)."
    static QString ExportNotice(const QString &path, int pages);

private:
    Desktop &m_desktop;
    const TFormPageSetup &m_pageSetup;
    QWidget *m_window;
    Notice m_notice;
};
