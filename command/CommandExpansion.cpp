#include "command/CommandExpansion.h"

namespace {

// Pages whose cards number their slots from zero.
bool CountsSlotsFromZero(int tabTag)
{
    return tabTag == 368100 || tabTag == 368103;
}

} // namespace

QString ExpandCommand(const QString &commandTemplate, const QString &text, const QString &value,
                      const CommandAddressing &a)
{
    // QString::replace resumes behind each inserted text, so a replacement
    // that contains its own mark is not expanded again by the same step.
    QString s = commandTemplate;
    if (s.isEmpty())
        return s;

    if (a.GroupText == QLatin1String("0")) {
        const int slot = CountsSlotsFromZero(a.ActiveTabTag) ? a.CurrentSlot - 1 : a.CurrentSlot;
        s.replace(QLatin1String("%c"), QString::number(slot));
    } else {
        s.replace(QLatin1String("C%c"), QLatin1Char('G') + a.GroupText);
    }
    s.replace(QLatin1String("%C"), QStringLiteral("%1").arg(a.CurrentSlot, 2, 10, QLatin1Char('0')));
    s.replace(QLatin1String("%G"), a.GroupText);
    s.replace(QLatin1String("%i"), a.AllowTab ? QStringLiteral("\t") : QString());
    s.replace(QLatin1String("%t"), text);
    s.replace(QLatin1String("%v"), value);
    s.replace(QLatin1String("%]"), a.UnitIdSuffix);
    s.replace(QLatin1String("$]"), s.startsWith(QLatin1String("[SW")) ? QStringLiteral("]")
                                                                       : a.PathSuffix);
    if (!a.AllowCR)
        s.remove(QLatin1Char('\r'));
    if (!a.AllowSpace)
        s.remove(QLatin1Char(' '));
    if (!a.AllowCR)
        s.remove(QLatin1Char('\t'));
    s.replace(QLatin1Char('|'), QLatin1Char('%'));
    return s;
}
