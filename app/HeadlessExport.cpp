#include "app/HeadlessExport.h"

#include "app/AppInfo.h"
#include "app/CommandLine.h"
#include "app/QlError.h"
#include "controller/PageSetup.h"
#include "controller/ReportPrinting.h"
#include "document/PartsList.h"
#include "document/QlsDoc.h"
#include "document/TextFile.h"

#include <QBuffer>
#include <QGuiApplication>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <optional>

namespace HeadlessExport {

namespace {

const struct
{
    const char *name;
    bool ReportSetup::*choice;
} Sections[] = {
    {"cards", &ReportSetup::cardAndGroupInfo},
    {"program", &ReportSetup::programCode},
    {"pictures", &ReportSetup::lowResolutionPicture},
    {"hires", &ReportSetup::highResolutionPicture},
};

// --margins is left, top, right, bottom, as people write margins.
const ReportSetup::Margin MarginOrder[] = {ReportSetup::Left, ReportSetup::Top, ReportSetup::Right,
                                           ReportSetup::Bottom};

// "cards, program, pictures, hires", for the messages.
QString SectionNames()
{
    QStringList names;
    for (const auto &section : Sections)
        names << QLatin1String(section.name);
    return names.join(QStringLiteral(", "));
}

void SetMargins(ReportSetup &setup, const QString &text)
{
    const QStringList numbers = text.split(u',');
    const QlError malformed(
        QStringLiteral("--margins \"%1\": give four numbers in inches, left,top,right,bottom, "
                       "such as 0.5,0.5,0.5,0.5.")
            .arg(text));
    if (numbers.size() != qsizetype(std::size(MarginOrder)))
        throw malformed;
    for (int i = 0; i < numbers.size(); ++i) {
        const std::optional<double> inches = TFormPageSetup::MarginNumber(numbers.at(i));
        if (!inches)
            throw malformed;
        setup.margins[MarginOrder[i]] = *inches;
    }
}

void SetSections(ReportSetup &setup, const QString &text)
{
    if (text.trimmed().isEmpty())
        throw QlError(
            QStringLiteral("--sections is empty: choose at least one of %1.").arg(SectionNames()));
    for (const auto &section : Sections)
        setup.*section.choice = false;
    for (const QString &name : text.split(u',')) {
        const auto *known =
            std::find_if(std::begin(Sections), std::end(Sections), [&](const auto &section) {
                return name.trimmed() == QLatin1String(section.name);
            });
        if (known == std::end(Sections))
            throw QlError(QStringLiteral("--sections \"%1\": unknown section \"%2\"; the sections "
                                         "are %3.")
                              .arg(text, name, SectionNames()));
        setup.*known->choice = true;
    }
}

void WriteStandardOutput(const QByteArray &bytes)
{
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size())
        || std::fflush(stdout) != 0)
        throw QlError(QStringLiteral("Cannot write to standard output: %1")
                          .arg(QString::fromLocal8Bit(std::strerror(errno))));
}

void ExportReport(const TQlsDoc &doc, const ReportSetup &setup, const QString &path)
{
    QByteArray pdf;
    try {
        pdf = ReportPdf(doc, setup);
    } catch (const QlError &error) {
        throw QlError(
            QStringLiteral("Cannot write the report \"%1\": %2").arg(path, error.message()));
    }
    WriteOutput(path, pdf);
}

// Standard error carries the export's own error only: Qt's notes about the
// session (no XDG_RUNTIME_DIR over ssh, ...) are dropped; its critical
// messages still go through.
QtMessageHandler QtHandler = nullptr;

void QuietQtNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QtHandler(type, context, message);
}

// The message on one line, for standard error.
QString OneLine(QString message)
{
    return message.replace(u'\r', u' ').replace(u'\n', u' ');
}

} // namespace

ReportSetup ReportChoices(const ExportRequest &request)
{
    ReportSetup setup;
    setup.portrait = !request.landscape;
    if (request.margins)
        SetMargins(setup, *request.margins);
    if (request.sections)
        SetSections(setup, *request.sections);
    return setup;
}

QByteArray ReportPdf(const TQlsDoc &doc, const ReportSetup &setup)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ReportPrinting::DrawPdf(buffer, doc, setup);
    return buffer.data();
}

void WriteOutput(const QString &path, const QByteArray &bytes)
{
    if (path == ExportRequest::StandardOutput)
        WriteStandardOutput(bytes);
    else
        TextFile::WriteAtomically(path, bytes);
}

int Run(const char *programPath, const QString &designFile, const ExportRequest &request)
{
    // The report's text needs a QGuiApplication; the offscreen platform
    // gives one without a display, whatever QT_QPA_PLATFORM says.
    QtHandler = qInstallMessageHandler(QuietQtNotes);
    char platform[] = "-platform";
    char offscreen[] = "offscreen";
    char *arguments[] = {const_cast<char *>(programPath), platform, offscreen, nullptr};
    int count = 3;
    const QGuiApplication application(count, arguments);
    try {
        const ReportSetup setup = ReportChoices(request); // before anything is read
        const std::unique_ptr<TQlsDoc> doc = TQlsDoc::CreateFromFile(designFile);
        if (!request.reportPdf.isEmpty())
            ExportReport(*doc, setup, request.reportPdf);
        if (!request.partsCsv.isEmpty())
            WriteOutput(request.partsCsv, PartsList::Csv(*doc));
        return 0;
    } catch (const QlError &error) {
        const QString line = AppInfo::Title + QStringLiteral(": ") + OneLine(error.message());
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        return 1;
    }
}

} // namespace HeadlessExport
