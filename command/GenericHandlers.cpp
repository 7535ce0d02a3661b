#include "command/GenericHandlers.h"

#include "command/CommandTarget.h"
#include "command/ControlTags.h"
#include "command/ErrorReport.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

GenericHandlers::GenericHandlers(CommandTarget &target, Desktop &desktop, QObject *parent)
    : QObject(parent), m_target(target), m_desktop(desktop)
{
}

namespace {

void Send(CommandTarget &target, const std::optional<TaggedCommand> &command)
{
    if (command)
        target.SendCommand(command->Template, QString(), command->Value);
}

} // namespace

void GenericHandlers::CommandCheck(QObject *sender)
{
    if (const auto *box = qobject_cast<QCheckBox *>(sender))
        Send(m_target, CheckBoxCommand(ControlTag(box), box->isChecked()));
}

void GenericHandlers::CommandOption(QObject *sender)
{
    if (const auto *button = qobject_cast<QRadioButton *>(sender); button && button->isChecked())
        Send(m_target, OptionButtonCommand(ControlTag(button)));
}

void GenericHandlers::ButtonPress(QObject *sender)
{
    if (const auto *button = qobject_cast<QPushButton *>(sender))
        Send(m_target, PushButtonCommand(ControlTag(button)));
}

void GenericHandlers::Bind(QAbstractButton *control)
{
    void (GenericHandlers::*handler)(QObject *) = nullptr;
    if (qobject_cast<QCheckBox *>(control))
        handler = &GenericHandlers::CommandCheck;
    else if (qobject_cast<QRadioButton *>(control))
        handler = &GenericHandlers::CommandOption;
    else if (qobject_cast<QPushButton *>(control))
        handler = &GenericHandlers::ButtonPress;
    else
        return;
    connect(control, &QAbstractButton::clicked, this, [this, control, handler] {
        ReportErrors(m_desktop, [&] { (this->*handler)(control); });
    });
}
