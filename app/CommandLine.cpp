#include "app/CommandLine.h"

#include "app/AppInfo.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

const QString ExportRequest::StandardOutput = QStringLiteral("-");

namespace {

constexpr int UsageError = 2;

QString HelpText()
{
    return QStringLiteral(
               "Usage: %1 [options] [file]\n"
               "Designs a modular audio/video chassis and drives the live unit over an RS-232 line.\n"
               "\n"
               "Options:\n"
               "  -h, --help                Shows this help and exits.\n"
               "  -v, --version             Shows the version and exits.\n"
               "  --export-pdf REPORT.pdf   Writes the design report of the file as PDF and\n"
               "                            exits, without a window or a display.\n"
               "  --export-parts PARTS.csv  Writes the parts list of the file as CSV and exits,\n"
               "                            without a window or a display.\n"
               "  --landscape               Report in landscape (default portrait).\n"
               "  --margins L,T,R,B         Report margins in inches (default 0,0,0,0).\n"
               "  --sections LIST           Report sections among cards,program,pictures,hires\n"
               "                            (default cards,program,pictures).\n"
               "\n"
               "Arguments:\n"
               "  file                      A design file (.qls) to open at start or to export.\n"
               "\n"
               "An output named \"-\" is standard output.\n")
        .arg(AppInfo::Title);
}

// "QLSetup 3.0.6": the caption's version text is "Ver " and the number.
QString VersionLine()
{
    return AppInfo::Title + u' ' + AppInfo::VersionText.section(u' ', 1) + u'\n';
}

// The argument as typed that the parser names `name` ("-platform" for
// "platform"), so that the error shows what the user wrote.
QString TypedOption(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        const QString option = argument.section(u'=', 0, 0);
        const int dashes = option.startsWith(QLatin1String("--")) ? 2 : 1;
        if (option.startsWith(u'-') && QStringView(option).sliced(dashes) == name)
            return option;
    }
    return name;
}

struct Options
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QString()};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}, QString()};
    QCommandLineOption reportPdf{QStringLiteral("export-pdf"), QString(), QStringLiteral("file")};
    QCommandLineOption partsCsv{QStringLiteral("export-parts"), QString(), QStringLiteral("file")};
    QCommandLineOption landscape{QStringLiteral("landscape"), QString()};
    QCommandLineOption margins{QStringLiteral("margins"), QString(), QStringLiteral("L,T,R,B")};
    QCommandLineOption sections{QStringLiteral("sections"), QString(), QStringLiteral("list")};

    QList<QCommandLineOption> All() const
    {
        return {help, version, reportPdf, partsCsv, landscape, margins, sections};
    }
};

// The export options into `request`; the usage error, or empty.
QString ReadExport(const QCommandLineParser &parser, const Options &options, ExportRequest &request)
{
    for (const QCommandLineOption *output : {&options.reportPdf, &options.partsCsv}) {
        if (parser.isSet(*output) && parser.value(*output).isEmpty())
            return QStringLiteral("--%1 needs a file name.").arg(output->names().first());
    }
    request.reportPdf = parser.value(options.reportPdf);
    request.partsCsv = parser.value(options.partsCsv);
    if (request.reportPdf == ExportRequest::StandardOutput
        && request.partsCsv == ExportRequest::StandardOutput)
        return QStringLiteral("Only one export can go to standard output.");
    request.landscape = parser.isSet(options.landscape);
    if (parser.isSet(options.margins))
        request.margins = parser.value(options.margins);
    if (parser.isSet(options.sections))
        request.sections = parser.value(options.sections);
    return {};
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments)
{
    const Options options;
    QCommandLineParser parser;
    // "-platform" is one unknown option, not the letters p, l, a, ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options.All());
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        Fail(unknown.isEmpty()
                 ? parser.errorText()
                 : QStringLiteral("Unknown option: ") + TypedOption(arguments, unknown.first()));
        return;
    }
    if (parser.isSet(options.help)) {
        m_message = HelpText();
        return;
    }
    if (parser.isSet(options.version)) {
        m_message = VersionLine();
        return;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        Fail(QStringLiteral("Only one design file can be opened."));
        return;
    }
    if (!files.isEmpty())
        m_designFile = QFileInfo(files.first()).absoluteFilePath();

    const bool report = parser.isSet(options.reportPdf);
    if (!report
        && (parser.isSet(options.landscape) || parser.isSet(options.margins)
            || parser.isSet(options.sections))) {
        Fail(QStringLiteral("--landscape, --margins and --sections go with --export-pdf."));
        return;
    }
    if (!report && !parser.isSet(options.partsCsv)) {
        m_startsWindow = true;
        return;
    }
    if (m_designFile.isEmpty()) {
        Fail(QStringLiteral("--export-pdf and --export-parts need a design file."));
        return;
    }
    const QString error = ReadExport(parser, options, m_export);
    if (!error.isEmpty()) {
        Fail(error);
        return;
    }
    m_exports = true;
}

QStringList CommandLine::Arguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void CommandLine::Fail(const QString &error)
{
    m_message = AppInfo::Title + QStringLiteral(": ") + error + u'\n' + HelpText();
    m_exitCode = UsageError;
}

int CommandLine::Finish() const
{
    std::fputs(m_message.toLocal8Bit().constData(), m_exitCode == 0 ? stdout : stderr);
    return m_exitCode;
}
