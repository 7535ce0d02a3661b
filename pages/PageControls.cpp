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

QList<QRadioButton *> AddOptions(const QList<OptionShape> &options, QWidget *group,
                                 GenericHandlers &handlers)
{
    QList<QRadioButton *> made;
    for (const OptionShape &shape : options) {
        auto *option = new QRadioButton(QString::fromLatin1(shape.caption), group);
        option->setObjectName(QString::fromLatin1(shape.name));
        option->move(shape.place);
        option->resize(option->sizeHint().width(), ControlHeight);
        option->setChecked(shape.checked);
        SetControlTag(option, shape.tag);
        handlers.Bind(option);
        made.append(option);
    }
    return made;
}

CommandCheckBox::CommandCheckBox(const Shape &shape, QWidget *parent)
    : QCheckBox(QString::fromLatin1(shape.caption), parent),
      m_checked(QString::fromLatin1(shape.checkedCommand)),
      m_cleared(QString::fromLatin1(shape.clearedCommand))
{
    setObjectName(QString::fromLatin1(shape.name));
    setGeometry(QRect(shape.place, QSize(Width, ControlHeight)));
    setChecked(shape.checked);
}

QString CommandCheckBox::Command() const
{
    return isChecked() ? m_checked : m_cleared;
}
