#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QLSetup"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("QLSetup"));
    window.show();
    return app.exec();
}
