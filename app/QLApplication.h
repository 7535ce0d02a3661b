#pragma once

#include <QApplication>

class Desktop;

// The application object: an error raised inside any event handler is shown
// in a message box and the event loop goes on.
class QLApplication : public QApplication
{
public:
    QLApplication(int &argc, char **argv, Desktop &desktop);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    Desktop &m_desktop;
};
