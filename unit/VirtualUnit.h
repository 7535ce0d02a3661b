#pragma once

#include "unit/CommandFramer.h"
#include "unit/GroupMemory.h"
#include "unit/ReplyFile.h"
#include "unit/UnitLog.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class UnitLine;

// The unit on the far end of the program's line: logs every command that
// arrives and answers where the program reads answers. It keeps card groups
// (GroupMemory), answers IR learning ("[LEARNIR...]") after a delay with the
// sample stream of a configured key press, which a reset ("[RES]") cancels,
// and answers the commands of a reply file. Everything else is logged and
// left unanswered.
class VirtualUnit : public QObject
{
    Q_OBJECT

public:
    struct Setup {
        int unitId = 0;
        // The IR key press: a stream from IrEncoder.
        QString irSamples;
        int irDelayMs = 0;
        ReplyFile::Table replies;
        // Also log every read as it arrives, before it is cut into commands.
        bool logReads = false;
    };

    // Throws QlError naming the line of a reply for a command that the unit
    // answers itself.
    static void CheckReplies(const ReplyFile::Table &replies);

    VirtualUnit(UnitLine &line, UnitLog &log, Setup setup, QObject *parent = nullptr);

    // Logs what the line leaves unfinished when the unit stops.
    void Finish();

private:
    static bool IsLearnCommand(const QByteArray &command);
    void Receive(const QByteArray &data);
    void LogPieces(const QList<CommandFramer::Piece> &pieces, qint64 at, qint64 pause);
    void Serve(const QByteArray &command);
    void Answer(const QByteArray &bytes);

    UnitLine &m_line;
    UnitLog &m_log;
    Setup m_setup;
    CommandFramer m_framer;
    GroupMemory m_groups;
    QTimer m_irAnswer;
    QElapsedTimer m_clock;
    qint64 m_lastArrival = 0;
};
