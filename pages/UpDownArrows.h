#pragma once

#include <QWidget>

// An up/down arrow pair beside a number box: the up arrow on top, the down
// arrow below, named after the pair with "Up" and "Down" appended.
class UpDownArrows : public QWidget
{
    Q_OBJECT

public:
    UpDownArrows(const QString &name, QWidget *parent);

signals:
    // +1 for the up arrow, -1 for the down arrow.
    void Click(int direction);

protected:
    void resizeEvent(QResizeEvent *event) override;
};
