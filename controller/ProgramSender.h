#pragma once

#include <QObject>
#include <QStringList>

class CommandTarget;
class DesignContext;
class Desktop;
class MainMenus;
struct TOptions;

// "Send Program": sends the design's controller program to the unit line by
// line through the program-line template of the options.
class ProgramSender : public QObject
{
    Q_OBJECT

public:
    static inline const QString SendQuestion =
        QStringLiteral("Are you sure you want to send the program code?");

    ProgramSender(DesignContext &design, CommandTarget &target, Desktop &desktop,
                  const TOptions &options, QObject *parent);

    // Wires every "Send Program" entry.
    void ConnectMenus(const MainMenus &menus);

    void CommandSendProgram();

    // The lines of a program text that are sent: each cut before its first
    // "//", untrimmed; lines left empty are skipped.
    static QStringList LinesToSend(const QString &program);

private:
    DesignContext &m_design;
    CommandTarget &m_target;
    Desktop &m_desktop;
    const TOptions &m_options;
};
