#include "command/ControlTags.h"

#include <QObject>
#include <QVariant>
#include <limits>

int ControlTag(const QObject *control)
{
    return control->property(ControlTagProperty).toInt();
}

void SetControlTag(QObject *control, int tag)
{
    control->setProperty(ControlTagProperty, tag);
}

namespace {

constexpr int Lowest = std::numeric_limits<int>::min();
constexpr int Highest = std::numeric_limits<int>::max();
constexpr int NoValue = Lowest;

// Tags first .. last send `templ` with the value tag - valueBase, or with no
// value when valueBase is NoValue. Tags outside every row send nothing.
struct TagRange
{
    int first;
    int last;
    int valueBase;
    const char *templ;
};

std::optional<TaggedCommand> Lookup(std::initializer_list<TagRange> table, int tag)
{
    for (const TagRange &row : table) {
        if (tag >= row.first && tag <= row.last)
            return TaggedCommand{QString::fromLatin1(row.templ),
                                 row.valueBase == NoValue ? QString()
                                                          : QString::number(tag - row.valueBase)};
    }
    return std::nullopt;
}

} // namespace

std::optional<TaggedCommand> CheckBoxCommand(int tag, bool ticked)
{
    if (ticked)
        return Lookup({{Lowest, 49, 0, "[ON%vC%c%]"},
                       {100, Highest, NoValue, "[ONC%c%]"},
                       {50, 59, 50, "[ON%vSC%c%]"},
                       {60, 69, 60, "[ON%vVC%c%]"}},
                      tag);
    return Lookup({{Lowest, 49, 0, "[OFF%vC%c%]"},
                   {100, Highest, NoValue, "[OFFC%c%]"},
                   {50, 59, 50, "[OFF%vSC%c%]"},
                   {60, 69, 60, "[OFF%vVC%c%]"}},
                  tag);
}

std::optional<TaggedCommand> OptionButtonCommand(int tag)
{
    return Lookup({{0, 999, 0, "[ON%vC%c%]"},
                   {1000, 1999, 1000, "[ON%vSC%c%]"},
                   {2000, 2999, 2000, "[ON%vVC%c%]"},
                   {3000, 3999, 3000, "[SEL%vC%c%]"},
                   {5000, 5019, 5000, "[IN%vC%c%]"},
                   {5020, 5039, 5020, "[IN%vRC%c%]"},
                   {5100, 5199, 5100, "[BAR%vC%c%]"},
                   {5200, 5299, 5200, "[QZOOM%vC%c%]"}},
                  tag);
}

std::optional<TaggedCommand> PushButtonCommand(int tag)
{
    return Lookup({{0, 999, 0, "[I%v^"}, {1000, 1999, 1000, "O%vC%c%]"}}, tag);
}
