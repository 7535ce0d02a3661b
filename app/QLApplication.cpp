#include "app/QLApplication.h"

#include "app/AppInfo.h"
#include "app/Desktop.h"
#include "app/QlError.h"

#include <QFont>

QLApplication::QLApplication(int &argc, char **argv, Desktop &desktop)
    : QApplication(argc, argv), m_desktop(desktop)
{
    setApplicationName(AppInfo::Title);
    // The window's fixed pixel layout is drawn for an 8-point interface font.
    QFont interfaceFont = font();
    interfaceFont.setPointSize(8);
    setFont(interfaceFont);
}

bool QLApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const QlError &error) {
        m_desktop.ShowError(error.message());
    }
    return false;
}
