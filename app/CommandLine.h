#pragma once

#include <QString>
#include <QStringList>

// The program's command line: "QLSetup [options] [file]". It is read before
// the window exists, so that --help and --version work without a display.
class CommandLine
{
public:
    // `arguments` starts with the program name.
    explicit CommandLine(const QStringList &arguments);
    static QStringList Arguments(int argc, char **argv);

    // True when the window is to start; otherwise Finish() ends the program.
    bool StartsWindow() const { return m_startsWindow; }
    // Absolute path of the design to open at start, or empty.
    QString DesignFile() const { return m_designFile; }
    // The help or version text for standard output, or an error with the
    // usage for standard error.
    QString Message() const { return m_message; }
    int ExitCode() const { return m_exitCode; }
    // Prints Message() where it belongs and returns ExitCode().
    int Finish() const;

private:
    void Fail(const QString &error);

    bool m_startsWindow = false;
    QString m_designFile;
    QString m_message;
    int m_exitCode = 0;
};
