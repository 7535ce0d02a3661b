#pragma once

#include "document/DesignReport.h"

#include <QByteArray>
#include <QString>

struct ExportRequest;
class TQlsDoc;

// The command line's exports of a design, without the window: the report as
// PDF and the parts list as CSV. They run on Qt's offscreen platform, so
// they need no display.
namespace HeadlessExport {

// Reads the design and writes what `request` asks for; returns the exit
// status: 0, or 1 after one line on standard error that names the file or
// value and says what went wrong. A failed export leaves no file behind.
int Run(const char *programPath, const QString &designFile, const ExportRequest &request);

// The page setup's defaults changed as the request's options say. Throws
// QlError for margins that are not four numbers and for unknown sections.
ReportSetup ReportChoices(const ExportRequest &request);

// The report as a PDF on the default printer's paper, as the window exports it.
QByteArray ReportPdf(const TQlsDoc &doc, const ReportSetup &setup);

// Replaces the file `path` with `bytes` in one step; "-" writes to standard
// output. Throws QlError naming the file and the reason.
void WriteOutput(const QString &path, const QByteArray &bytes);

} // namespace HeadlessExport
