#include "controller/ProgramSender.h"

#include "app/Desktop.h"
#include "app/MainMenus.h"
#include "app/ProgramEditorText.h"
#include "app/QLOptions.h"
#include "command/CommandTarget.h"
#include "command/ErrorReport.h"
#include "document/DesignContext.h"
#include "document/QlsDoc.h"

#include <QAction>

ProgramSender::ProgramSender(DesignContext &design, CommandTarget &target, Desktop &desktop,
                             const TOptions &options, QObject *parent)
    : QObject(parent), m_design(design), m_target(target), m_desktop(desktop), m_options(options)
{
}

void ProgramSender::ConnectMenus(const MainMenus &menus)
{
    for (QAction *entry : menus.EntriesRunning(QStringLiteral("CommandSendProgram")))
        connect(entry, &QAction::triggered, this,
                [this] { ReportErrors(m_desktop, [this] { CommandSendProgram(); }); });
}

QStringList ProgramSender::LinesToSend(const QString &program)
{
    QStringList lines;
    for (const QString &line : ProgramEditorText::Lines(ProgramEditorText::FromProgram(program))) {
        const QString code = line.left(line.indexOf(QLatin1String("//")));
        if (!code.isEmpty())
            lines << code;
    }
    return lines;
}

void ProgramSender::CommandSendProgram()
{
    if (!m_desktop.AskYesNo(SendQuestion))
        return;
    const TQlsDoc *doc = m_design.Doc();
    if (!doc)
        return;
    // The program as it stands now: the design may be replaced while the line pauses.
    for (const QString &line : LinesToSend(doc->InfoField(TQlsDoc::PROG)))
        m_target.SendCommand(m_options.CProgram, QString(), line);
}
