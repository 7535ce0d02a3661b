#pragma once

#include <QString>

class QFont;
class QPrinter;
class QUrl;

// Everything the program asks of the desktop that a test cannot click:
// questions, notices, file/font/print dialogs, the clock and the browser.
class Desktop
{
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Desktop() = default;

    // Yes/No confirmation; true for Yes.
    virtual bool AskYesNo(const QString &text) = 0;
    // Yes/No/Cancel confirmation.
    virtual Answer AskYesNoCancel(const QString &text) = 0;
    // Notice with an OK button.
    virtual void Inform(const QString &text) = 0;
    // Error box with an OK button.
    virtual void ShowError(const QString &text) = 0;

    // Standard file dialogs; an empty result means the user cancelled.
    // `filter` uses Qt's form, e.g. "QLSetup files (*.qls);;All files (*.*)".
    virtual QString OpenFileName(const QString &folder, const QString &filter) = 0;
    // The save dialog, titled `title`, starts at `start`: a folder, or a
    // folder and a file name to preset.
    virtual QString SaveFileName(const QString &title, const QString &start,
                                 const QString &filter, const QString &defaultSuffix) = 0;
    // Font dialog preset to `font`; false when cancelled.
    virtual bool ChooseFont(QFont &font) = 0;
    // Print dialog for `printer`; false when cancelled.
    virtual bool ChoosePrinter(QPrinter &printer) = 0;

    // Suspends the caller for `ms` milliseconds without handling events.
    virtual void Sleep(int ms) = 0;
    // Handles pending events (user input, arriving data).
    virtual void ProcessEvents() = 0;
    // Repaints what is pending; user input and arriving data stay queued.
    virtual void ProcessPaintEvents() = 0;

    // The desktop's "open" operation for a web address; false when no
    // browser took it.
    virtual bool OpenUrl(const QUrl &url) = 0;
};
