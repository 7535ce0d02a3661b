#pragma once

#include <QString>
#include <optional>

class QObject;

// A command derived from a control's number: the template and the value
// that replaces "%v" (empty when the template has none).
struct TaggedCommand
{
    QString Template;
    QString Value;

    bool operator==(const TaggedCommand &) const = default;
};

// Controls of the card pages carry their number in this dynamic property.
inline constexpr char ControlTagProperty[] = "tag";
int ControlTag(const QObject *control);
void SetControlTag(QObject *control, int tag);

// The generic handlers' tables; no value means nothing is sent.
std::optional<TaggedCommand> CheckBoxCommand(int tag, bool ticked);
std::optional<TaggedCommand> OptionButtonCommand(int tag);
std::optional<TaggedCommand> PushButtonCommand(int tag);
