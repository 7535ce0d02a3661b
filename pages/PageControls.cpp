#include "pages/PageControls.h"

#include "command/ControlTags.h"
#include "command/GenericHandlers.h"

#include <QGroupBox>
#include <QRadioButton>

namespace {

constexpr int Width = 88;

} // namespace

QGroupBox *AddGroup(const char *name, const char *title, const QRect &place, QWidget *parent)
{
    auto *group = new QGroupBox(QString::fromLatin1(title), parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(place);
    return group;
}

QList<QRadioButton *> AddOptions(const QList<OptionSpec> &options, QWidget *group,
                                 GenericHandlers &handlers)
{
    QList<QRadioButton *> made;
    for (const OptionSpec &spec : options) {
        auto *option = new QRadioButton(QString::fromLatin1(spec.caption), group);
        option->setObjectName(QString::fromLatin1(spec.name));
        option->move(spec.place);
        option->resize(option->sizeHint().width(), ControlHeight);
        option->setChecked(spec.checked);
        SetControlTag(option, spec.tag);
        handlers.Bind(option);
        made.append(option);
    }
    return made;
}

CommandCheckBox::CommandCheckBox(const Spec &spec, QWidget *parent)
    : QCheckBox(QString::fromLatin1(spec.caption), parent),
      m_checked(QString::fromLatin1(spec.checkedCommand)),
      m_cleared(QString::fromLatin1(spec.clearedCommand))
{
    setObjectName(QString::fromLatin1(spec.name));
    setGeometry(QRect(spec.place, QSize(Width, ControlHeight)));
    setChecked(spec.checked);
}

QString CommandCheckBox::Command() const
{
    return isChecked() ? m_checked : m_cleared;
}
