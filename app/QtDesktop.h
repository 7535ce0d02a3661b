#pragma once

#include "app/Desktop.h"

#include <chrono>

// The desktop seam on real Qt dialogs, the system clock and the browser.
class QtDesktop : public Desktop
{
public:
    bool AskYesNo(const QString &text) override;
    Answer AskYesNoCancel(const QString &text) override;
    void Inform(const QString &text) override;
    void ShowError(const QString &text) override;

    // The dialogs do not ask before overwriting: FileDialogs does that.
    QString OpenFileName(const QString &folder, const QString &filter) override;
    QString SaveFileName(const QString &title, const QString &start, const QString &filter,
                         const QString &defaultSuffix) override;
    bool ChooseFont(QFont &font) override;
    bool ChoosePrinter(QPrinter &printer) override;

    // Consecutive pauses are measured from one running deadline, so a run
    // of 500 one-millisecond pauses with event handling lasts about 500 ms
    // instead of accumulating each sleep's overshoot.
    void Sleep(int ms) override;
    void ProcessEvents() override;
    void ProcessPaintEvents() override;

    bool OpenUrl(const QUrl &url) override;

private:
    std::chrono::steady_clock::time_point m_deadline{};
};
