#pragma once

#include <QString>

class Desktop;
class QWidget;
class TFormPageSetup;
class TQlsDoc;

// The design report on paper, on screen and as a PDF file, laid out as the
// page setup chooses. Errors are shown in a message box.
class ReportPrinting
{
public:
    ReportPrinting(Desktop &desktop, const TFormPageSetup &pageSetup, QWidget *window);

    // The system print dialog, then the report on the chosen printer.
    void Print(const TQlsDoc &doc);
    // The print preview of the report.
    void Preview(const TQlsDoc &doc);
    // The report as a PDF file chosen in a save dialog starting at the
    // design's folder (or that of `lastFile`).
    void ExportPdf(const TQlsDoc &doc, const QString &lastFile);

    // Writes the report into `path` in one step: a failed export leaves no
    // file (and an existing one whole). Throws QlError saying why.
    void WritePdf(const TQlsDoc &doc, const QString &path) const;

    static const QString PdfFilter; // "PDF files|*.pdf|All files|*.*"

private:
    Desktop &m_desktop;
    const TFormPageSetup &m_pageSetup;
    QWidget *m_window;
};
