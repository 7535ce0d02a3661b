#include "unit/UnitOptions.h"

#include "app/QlError.h"
#include "unit/IrEncoder.h"

#include <QCommandLineParser>

namespace {

// The key press sent without --ir-bits, by mode.
const char *const ExampleBits[IrEncoder::ModeCount] = {
    "10100000 01011111 00010000 11101111",
    "01000000 00000100 00000001 00000000 10111100 10111101",
    "10010000 10000000",
    "11000000 00001100",
    "00010110 00100111",
    "10100000 01011111",
};

int Number(const QCommandLineParser &parser, const QString &name, int lowest, int highest)
{
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < lowest || value > highest)
        throw QlError(QStringLiteral("--%1 takes a number from %2 to %3, not \"%4\"")
                          .arg(name)
                          .arg(lowest)
                          .arg(highest)
                          .arg(parser.value(name)));
    return value;
}

} // namespace

UnitOptions UnitOptions::Parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A virtual unit for QLSetup: serves the unit's end of the line on a pseudo-terminal\n"
        "(or a serial device), logs every command and answers the group read, IR learning\n"
        "and the commands of a reply file."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
    const QList<QCommandLineOption> options = {
        help,
        {QStringLiteral("link"), QStringLiteral("Makes <path> a link to the pseudo-terminal."), QStringLiteral("path")},
        {QStringLiteral("device"), QStringLiteral("Serves on the serial device <path> (9600 8N1) instead."),
         QStringLiteral("path")},
        {QStringLiteral("log"), QStringLiteral("Logs to <file> instead of standard output."), QStringLiteral("file")},
        {QStringLiteral("replies"), QStringLiteral("Answers the commands of <file>, lines \"command = reply\"."),
         QStringLiteral("file")},
        {QStringLiteral("unit-id"), QStringLiteral("The unit ID 0 to 8 in group answers (default 0)."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("ir-mode"), QStringLiteral("IR coding 1 to 6 of the learned key (default 1)."),
         QStringLiteral("n"), QStringLiteral("1")},
        {QStringLiteral("ir-bits"), QStringLiteral("Bits of the learned key, as QLSetup shows them."),
         QStringLiteral("bits")},
        {QStringLiteral("ir-delay"), QStringLiteral("Milliseconds from the learn command to the key press (default 5000)."),
         QStringLiteral("ms"), QStringLiteral("5000")},
        {QStringLiteral("raw"), QStringLiteral("Also logs every read as it arrives.")},
    };
    parser.addOptions(options);
    if (!parser.parse(arguments))
        throw QlError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        throw QlError(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    UnitOptions result;
    result.help = parser.isSet(help);
    result.usage = parser.helpText();
    result.linkPath = parser.value(QStringLiteral("link"));
    result.devicePath = parser.value(QStringLiteral("device"));
    if (!result.linkPath.isEmpty() && !result.devicePath.isEmpty())
        throw QlError(QStringLiteral("--link is for the pseudo-terminal: not with --device"));
    result.logPath = parser.value(QStringLiteral("log"));
    result.repliesPath = parser.value(QStringLiteral("replies"));
    result.unitId = Number(parser, QStringLiteral("unit-id"), 0, 8);
    result.irMode = Number(parser, QStringLiteral("ir-mode"), 1, IrEncoder::ModeCount);
    result.irBits = parser.isSet(QStringLiteral("ir-bits")) ? parser.value(QStringLiteral("ir-bits"))
                                                              : QString::fromLatin1(ExampleBits[result.irMode - 1]);
    if (const QString problem = IrEncoder::Problem(result.irBits, result.irMode); !problem.isEmpty())
        throw QlError(QStringLiteral("--ir-bits: %1").arg(problem));
    result.irDelayMs = Number(parser, QStringLiteral("ir-delay"), 0, 600000);
    result.logReads = parser.isSet(QStringLiteral("raw"));
    return result;
}
