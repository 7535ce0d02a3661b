#include "controller/ReportPrinting.h"

#include "app/AppInfo.h"
#include "app/Desktop.h"
#include "app/FileDialogs.h"
#include "app/QlError.h"
#include "command/ErrorReport.h"
#include "controller/PageSetup.h"
#include "document/DesignReport.h"
#include "document/QlsDoc.h"

#include <QDir>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

const QString ReportPrinting::PdfFilter = QStringLiteral("PDF files|*.pdf|All files|*.*");
const QString ReportPrinting::ExportTitle = QStringLiteral("Export Report as PDF");

namespace {

// Large enough to read a page of the report.
constexpr QSize PreviewSize(900, 720);

QString ReportTitle(const TQlsDoc &doc)
{
    const QString title = doc.DocumentTitle();
    return title.isEmpty() ? AppInfo::Title : title;
}

} // namespace

ReportPrinting::ReportPrinting(Desktop &desktop, const TFormPageSetup &pageSetup, QWidget *window,
                               Notice notice)
    : m_desktop(desktop), m_pageSetup(pageSetup), m_window(window), m_notice(std::move(notice))
{
}

QString ReportPrinting::ExportNotice(const QString &path, int pages)
{
    return QStringLiteral("Report exported to %1 (%2 %3).")
        .arg(QDir::toNativeSeparators(path))
        .arg(pages)
        .arg(QLatin1String(pages == 1 ? "page" : "pages"));
}

void ReportPrinting::Print(const TQlsDoc &doc)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ReportTitle(doc));
    if (!m_desktop.ChoosePrinter(printer))
        return;
    ReportErrors(m_desktop, [&] { PrintReport(printer, doc, m_pageSetup.Choices()); });
}

void ReportPrinting::Preview(const TQlsDoc &doc)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ReportTitle(doc));
    QPrintPreviewDialog preview(&printer, m_window);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    preview.resize(PreviewSize);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&](QPrinter *target) {
        ReportErrors(m_desktop, [&] { PrintReport(*target, doc, m_pageSetup.Choices()); });
    });
    preview.exec();
}

void ReportPrinting::ExportPdf(const TQlsDoc &doc, const QString &lastFile)
{
    const QString design = doc.InfoField(TQlsDoc::FILENAME);
    const QString name =
        design.isEmpty() ? QString() : doc.DocumentTitle() + QStringLiteral(".pdf");
    const QString path = FileDialogs(m_desktop).ChooseSavePath(
        ExportTitle, design.isEmpty() ? lastFile : design, PdfFilter, QStringLiteral("pdf"), name);
    if (path.isEmpty())
        return;
    ReportErrors(m_desktop, [&] { m_notice(ExportNotice(path, WritePdf(doc, path))); });
}

int ReportPrinting::DrawPdf(QIODevice &out, const TQlsDoc &doc, const ReportSetup &setup)
{
    QPdfWriter pdf(&out);
    // The paper of the printer the report would go to.
    QPageLayout layout = QPrinter(QPrinter::HighResolution).pageLayout();
    layout.setUnits(QPageLayout::Inch);
    const double edge = PdfMinimumMarginInches;
    layout.setMinimumMargins(QMarginsF(edge, edge, edge, edge));
    pdf.setPageLayout(layout);
    pdf.setTitle(ReportTitle(doc));
    pdf.setCreator(AppInfo::Title);
    return PrintReport(pdf, doc, setup);
}

int ReportPrinting::WritePdf(const TQlsDoc &doc, const QString &path) const
{
    const auto failed = [&path](const QString &reason) {
        return QlError(QStringLiteral("The report could not be saved as \"%1\": %2").arg(path, reason));
    };
    int pages = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failed(file.errorString());
    try {
        pages = DrawPdf(file, doc, m_pageSetup.Choices());
    } catch (const QlError &error) {
        throw failed(error.message());
    }
    if (!file.commit())
        throw failed(file.errorString());
    return pages;
}
