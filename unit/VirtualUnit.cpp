#include "unit/VirtualUnit.h"

#include "app/QlError.h"
#include "unit/UnitLine.h"

namespace {

const char *KindName(CommandFramer::Kind kind)
{
    switch (kind) {
    case CommandFramer::Kind::Command:
        return "command";
    case CommandFramer::Kind::Unterminated:
        return "unterminated";
    case CommandFramer::Kind::Noise:
        return "noise";
    case CommandFramer::Kind::Overlong:
        return "overlong";
    }
    return "";
}

} // namespace

void VirtualUnit::CheckReplies(const ReplyFile::Table &replies)
{
    // The first line, by number, that names a command of the unit's own.
    int ownLine = 0;
    QByteArray ownCommand;
    for (auto entry = replies.cbegin(); entry != replies.cend(); ++entry) {
        const bool own = GroupMemory::Handles(entry.key()) || IsLearnCommand(entry.key());
        if (own && (ownLine == 0 || entry->line < ownLine)) {
            ownLine = entry->line;
            ownCommand = entry.key();
        }
    }
    if (ownLine != 0)
        throw QlError(QStringLiteral("line %1: %2 is answered by the unit itself")
                          .arg(ownLine)
                          .arg(QString::fromLatin1(ownCommand)));
}

VirtualUnit::VirtualUnit(UnitLine &line, UnitLog &log, Setup setup, QObject *parent)
    : QObject(parent), m_line(line), m_log(log), m_setup(std::move(setup)), m_groups(m_setup.unitId)
{
    m_irAnswer.setSingleShot(true);
    m_irAnswer.setInterval(m_setup.irDelayMs);
    connect(&m_irAnswer, &QTimer::timeout, this, [this] { Answer(m_setup.irSamples.toLatin1()); });
    connect(&m_line, &UnitLine::Received, this, &VirtualUnit::Receive);
    m_clock.start();
}

void VirtualUnit::Finish()
{
    const qint64 now = m_clock.elapsed();
    LogPieces(m_framer.Finish(), now, now - m_lastArrival);
}

bool VirtualUnit::IsLearnCommand(const QByteArray &command)
{
    return command.startsWith("[LEARNIR");
}

void VirtualUnit::Receive(const QByteArray &data)
{
    const qint64 now = m_clock.elapsed();
    const qint64 pause = now - m_lastArrival;
    m_lastArrival = now;
    if (m_setup.logReads)
        m_log.Arrived(now, pause, "read", data);
    LogPieces(m_framer.Feed(data), now, pause);
}

void VirtualUnit::LogPieces(const QList<CommandFramer::Piece> &pieces, qint64 at, qint64 pause)
{
    for (const CommandFramer::Piece &piece : pieces) {
        m_log.Arrived(at, pause, KindName(piece.kind), piece.text);
        if (piece.kind == CommandFramer::Kind::Command)
            Serve(piece.text);
    }
}

void VirtualUnit::Serve(const QByteArray &command)
{
    if (GroupMemory::Handles(command)) {
        Answer(m_groups.Serve(command));
    } else if (IsLearnCommand(command)) {
        m_irAnswer.start();
    } else {
        if (command == "[RES]")
            m_irAnswer.stop();
        Answer(m_setup.replies.value(command).text);
    }
}

void VirtualUnit::Answer(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    m_line.Write(bytes);
    m_log.Did(m_clock.elapsed(), "answer", bytes);
}
