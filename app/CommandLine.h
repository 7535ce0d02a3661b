#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks to export without the window. The report's
// options are kept as typed; the export checks them.
struct ExportRequest
{
    // Output name that stands for standard output.
    static const QString StandardOutput; // "-"

    QString reportPdf; // --export-pdf, or empty
    QString partsCsv;  // --export-parts, or empty
    bool landscape = false;
    std::optional<QString> margins;  // --margins "L,T,R,B"
    std::optional<QString> sections; // --sections "cards,program,..."
};

// The program's command line: "QLSetup [options] [file]". It is read before
// the window exists, so that --help, --version and the exports work without
// a display.
class CommandLine
{
public:
    // `arguments` starts with the program name.
    explicit CommandLine(const QStringList &arguments);
    static QStringList Arguments(int argc, char **argv);

    // True when the window is to start.
    bool StartsWindow() const { return m_startsWindow; }
    // True when the design is to be exported without the window (Export()).
    // When neither is true, Finish() ends the program.
    bool Exports() const { return m_exports; }

    // Absolute path of the design to open at start or to export, or empty.
    QString DesignFile() const { return m_designFile; }
    const ExportRequest &Export() const { return m_export; }
    // The help or version text for standard output, or an error with the
    // usage for standard error.
    QString Message() const { return m_message; }
    int ExitCode() const { return m_exitCode; }
    // Prints Message() where it belongs and returns ExitCode().
    int Finish() const;

private:
    void Fail(const QString &error);

    bool m_startsWindow = false;
    bool m_exports = false;
    QString m_designFile;
    ExportRequest m_export;
    QString m_message;
    int m_exitCode = 0;
};
