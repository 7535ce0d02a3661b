#pragma once

#include "app/Desktop.h"
#include "app/QlError.h"

#include <QCoreApplication>
#include <QFont>
#include <QList>
#include <QPrinter>
#include <QQueue>
#include <QStringList>
#include <QUrl>
#include <functional>

// Scripted desktop for tests: records every question and notice, answers from
// queues, and keeps a virtual clock so pauses cost no real time.
class FakeDesktop : public Desktop
{
public:
    // --- scripted answers (an empty queue answers No / Cancel / "" / false)
    QQueue<bool> yesNoAnswers;
    QQueue<Answer> yesNoCancelAnswers;
    QQueue<QString> openFileNames;
    QQueue<QString> saveFileNames;
    QQueue<bool> fontAnswers;
    QQueue<QFont> chosenFonts;  // font given back on a Yes answer, when queued
    QQueue<bool> printerAnswers;
    QString printToFile;        // a chosen printer writes this PDF file, when set
    bool browserOpens = true;   // answer of OpenUrl

    // --- what the program asked or showed, in order
    QStringList questions;      // texts of AskYesNo and AskYesNoCancel
    QStringList informed;       // texts of Inform
    QStringList errors;         // texts of ShowError
    QList<QUrl> openedUrls;
    QStringList dialogFolders;  // start folders (or preset paths) of the file dialogs
    QStringList dialogTitles;   // titles of the save dialogs
    QStringList dialogFilters;  // filters of the file dialogs
    QList<QFont> fontPresets;   // fonts the font dialog was preset to

    // --- virtual clock
    int sleepCount = 0;         // calls of Sleep
    qint64 sleptMs = 0;         // sum of their milliseconds
    int processEventsCount = 0; // calls of ProcessEvents
    int paintPassCount = 0;     // calls of ProcessPaintEvents
    // Called on every Sleep, after the clock advanced; lets a test act "during" a pause.
    std::function<void()> onSleep;
    // A wait that should end by itself: once the clock passes `ms` from now,
    // every further Sleep throws, which ends the handler with an error box.
    void LimitClock(qint64 ms) { clockDeadlineMs = sleptMs + ms; }
    void UnlimitClock() { clockDeadlineMs = -1; }
    static inline const QString ClockOverrunText =
        QStringLiteral("The virtual clock passed its limit: a wait did not end.");

    bool AskYesNo(const QString &text) override
    {
        questions << text;
        return !yesNoAnswers.isEmpty() && yesNoAnswers.dequeue();
    }
    Answer AskYesNoCancel(const QString &text) override
    {
        questions << text;
        return yesNoCancelAnswers.isEmpty() ? Answer::Cancel : yesNoCancelAnswers.dequeue();
    }
    void Inform(const QString &text) override { informed << text; }
    void ShowError(const QString &text) override { errors << text; }

    QString OpenFileName(const QString &folder, const QString &filter) override
    {
        dialogFolders << folder;
        dialogFilters << filter;
        return openFileNames.isEmpty() ? QString() : openFileNames.dequeue();
    }
    QString SaveFileName(const QString &title, const QString &start, const QString &filter,
                         const QString &) override
    {
        dialogTitles << title;
        dialogFolders << start;
        dialogFilters << filter;
        return saveFileNames.isEmpty() ? QString() : saveFileNames.dequeue();
    }
    bool ChooseFont(QFont &font) override
    {
        fontPresets << font;
        const bool ok = !fontAnswers.isEmpty() && fontAnswers.dequeue();
        if (ok && !chosenFonts.isEmpty())
            font = chosenFonts.dequeue();
        return ok;
    }
    bool ChoosePrinter(QPrinter &printer) override
    {
        const bool ok = !printerAnswers.isEmpty() && printerAnswers.dequeue();
        if (ok && !printToFile.isEmpty())
            printer.setOutputFileName(printToFile);
        return ok;
    }

    void Sleep(int ms) override
    {
        if (clockDeadlineMs >= 0 && sleptMs >= clockDeadlineMs)
            throw QlError(ClockOverrunText);
        ++sleepCount;
        sleptMs += ms;
        if (onSleep)
            onSleep();
    }
    void ProcessEvents() override
    {
        ++processEventsCount;
        QCoreApplication::processEvents();  // arriving serial data, posted repaints
    }
    void ProcessPaintEvents() override
    {
        ++paintPassCount;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents
                                        | QEventLoop::ExcludeSocketNotifiers);
    }

    bool OpenUrl(const QUrl &url) override
    {
        openedUrls << url;
        return browserOpens;
    }

private:
    qint64 clockDeadlineMs = -1;
};
