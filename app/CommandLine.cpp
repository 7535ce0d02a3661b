#include "app/CommandLine.h"

#include "app/AppInfo.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr int UsageError = 2;

QString HelpText()
{
    return QStringLiteral(
               "Usage: %1 [options] [file]\n"
               "Designs a modular audio/video chassis and drives the live unit over an RS-232 line.\n"
               "\n"
               "Options:\n"
               "  -h, --help     Shows this help and exits.\n"
               "  -v, --version  Shows the version and exits.\n"
               "\n"
               "Arguments:\n"
               "  file           A design file (.qls) to open at start.\n")
        .arg(AppInfo::Title);
}

// "QLSetup 3.0.6": the caption's version text is "Ver " and the number.
QString VersionLine()
{
    return AppInfo::Title + u' ' + AppInfo::VersionText.section(u' ', 1) + u'\n';
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    QCommandLineParser parser;
    parser.addOptions({help, version});
    if (!parser.parse(arguments)) {
        Fail(parser.errorText());
        return;
    }
    if (parser.isSet(help)) {
        m_message = HelpText();
        return;
    }
    if (parser.isSet(version)) {
        m_message = VersionLine();
        return;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        Fail(QStringLiteral("Only one design file can be opened."));
        return;
    }
    m_startsWindow = true;
    if (!files.isEmpty())
        m_designFile = QFileInfo(files.first()).absoluteFilePath();
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
