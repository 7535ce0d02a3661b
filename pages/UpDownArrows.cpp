#include "pages/UpDownArrows.h"

#include <QToolButton>

namespace {

const struct {
    const char *suffix;
    Qt::ArrowType arrow;
    int direction;
} Arrows[] = {{"Up", Qt::UpArrow, 1}, {"Down", Qt::DownArrow, -1}};

} // namespace

UpDownArrows::UpDownArrows(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    for (const auto &arrow : Arrows) {
        auto *button = new QToolButton(this);
        button->setObjectName(name + QLatin1String(arrow.suffix));
        button->setArrowType(arrow.arrow);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, direction = arrow.direction] {
            emit Click(direction);
        });
    }
}

void UpDownArrows::resizeEvent(QResizeEvent *)
{
    const QList<QToolButton *> buttons = findChildren<QToolButton *>(Qt::FindDirectChildrenOnly);
    const int half = height() / 2;
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setGeometry(0, i * half, width(), i == 0 ? half : height() - half);
}
