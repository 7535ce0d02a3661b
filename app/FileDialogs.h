#pragma once

#include <QString>

class Desktop;

// Open and save dialogs of the document and program text actions: they
// start in the folder of the last document and take "|"-separated filters.
class FileDialogs
{
public:
    static const QString DocumentFilter; // "QLSetup files|*.qls|All files|*.*"
    static const QString TextFilter;     // "Text files|*.txt|All files|*.*"

    explicit FileDialogs(Desktop &desktop) : m_desktop(desktop) {}

    // Chosen file, or empty when cancelled.
    QString ChooseOpenPath(const QString &lastFile, const QString &pipeFilter) const;
    // Chosen file, or empty when cancelled. The dialog, titled `title`,
    // starts in the folder of `nearFile` with `presetName` (when given) as
    // the file name. An existing file is replaced only after the user
    // confirmed it; declining returns to the dialog.
    QString ChooseSavePath(const QString &title, const QString &nearFile,
                           const QString &pipeFilter, const QString &defaultSuffix,
                           const QString &presetName = QString()) const;

    // "<name> already exists.\nDo you want to replace it?"
    static QString ReplaceQuestion(const QString &path);

private:
    static QString StartFolder(const QString &lastFile);

    Desktop &m_desktop;
};
