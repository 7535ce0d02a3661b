#include "app/QtDesktop.h"

#include "app/AppInfo.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include <thread>

namespace {

QWidget *dialogParent()
{
    return QApplication::activeWindow();
}

// A deadline this far behind the clock belongs to an earlier run of pauses.
constexpr std::chrono::milliseconds StaleDeadline{20};

} // namespace

bool QtDesktop::AskYesNo(const QString &text)
{
    return QMessageBox::question(dialogParent(), AppInfo::Title, text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

Desktop::Answer QtDesktop::AskYesNoCancel(const QString &text)
{
    switch (QMessageBox::question(dialogParent(), AppInfo::Title, text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void QtDesktop::Inform(const QString &text)
{
    QMessageBox notice(QMessageBox::Information, AppInfo::Title, text, QMessageBox::Ok,
                       dialogParent());
    // A notice may carry an address or a name to copy.
    notice.setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice.exec();
}

void QtDesktop::ShowError(const QString &text)
{
    QMessageBox::critical(dialogParent(), AppInfo::Title, text);
}

QString QtDesktop::OpenFileName(const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(dialogParent(), QString(), folder, filter);
}

QString QtDesktop::SaveFileName(const QString &title, const QString &start,
                                const QString &filter, const QString &defaultSuffix)
{
    QFileDialog dialog(dialogParent(), title, start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtDesktop::ChooseFont(QFont &font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, dialogParent());
    if (ok)
        font = chosen;
    return ok;
}

bool QtDesktop::ChoosePrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

void QtDesktop::Sleep(int ms)
{
    const auto now = std::chrono::steady_clock::now();
    if (m_deadline < now - StaleDeadline || m_deadline > now + std::chrono::milliseconds(ms))
        m_deadline = now;
    m_deadline += std::chrono::milliseconds(ms);
    std::this_thread::sleep_until(m_deadline);
}

void QtDesktop::ProcessEvents()
{
    QCoreApplication::processEvents();
}

void QtDesktop::ProcessPaintEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents
                                    | QEventLoop::ExcludeSocketNotifiers);
}

bool QtDesktop::OpenUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}
