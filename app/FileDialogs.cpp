#include "app/FileDialogs.h"

#include "app/Desktop.h"
#include "app/FileFilter.h"

#include <QDir>
#include <QFileInfo>

const QString FileDialogs::DocumentFilter = QStringLiteral("QLSetup files|*.qls|All files|*.*");
const QString FileDialogs::TextFilter = QStringLiteral("Text files|*.txt|All files|*.*");

QString FileDialogs::ChooseOpenPath(const QString &lastFile, const QString &pipeFilter) const
{
    return m_desktop.OpenFileName(StartFolder(lastFile), QtFileFilter(pipeFilter));
}

QString FileDialogs::ChooseSavePath(const QString &title, const QString &nearFile,
                                    const QString &pipeFilter, const QString &defaultSuffix,
                                    const QString &presetName) const
{
    const QString folder = StartFolder(nearFile);
    const QString start = presetName.isEmpty() || folder.isEmpty()
                              ? folder
                              : QDir(folder).filePath(presetName);
    for (;;) {
        const QString path =
            m_desktop.SaveFileName(title, start, QtFileFilter(pipeFilter), defaultSuffix);
        if (path.isEmpty() || !QFileInfo::exists(path) || m_desktop.AskYesNo(ReplaceQuestion(path)))
            return path;
    }
}

QString FileDialogs::ReplaceQuestion(const QString &path)
{
    return QStringLiteral("%1 already exists.\nDo you want to replace it?")
        .arg(QFileInfo(path).fileName());
}

QString FileDialogs::StartFolder(const QString &lastFile)
{
    return lastFile.isEmpty() ? QString() : QFileInfo(lastFile).absolutePath();
}
