#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Standard output of a command-line tool the tests read documents with
// (pdftotext, pdfinfo, pdfimages); a tool that fails ends the test run.
inline QString ToolOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s failed", qPrintable(program));
    return QString::fromUtf8(process.readAllStandardOutput());
}
