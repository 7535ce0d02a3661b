#pragma once

#include <QByteArray>
#include <QList>

// Cuts the bytes that arrive on the line into the unit's commands: card
// commands from "[" to "]", controller commands from "{" to "}". A command may
// arrive in any number of pieces. Every opening bracket or brace starts a new
// command, so a command still open at that point never got its closing
// character; inside a command the other family's closer is an ordinary
// character. Text outside commands ends at a line end or the next command.
// Right after a crosspoint such as [I3O5C5], text that starts with "O" is a
// further output half for the same input: O6C6] is read as [I3O6C6].
class CommandFramer
{
public:
    // Longest command or stray text taken whole; longer ones are skipped.
    static constexpr qsizetype MaxLength = 256;

    enum class Kind {
        Command,      // a complete command, brackets included
        Unterminated, // a command that the next command or the end of the line cut short
        Noise,        // text outside commands, or a command holding binary bytes
        Overlong,     // the first MaxLength + 1 bytes of what was then skipped
    };
    struct Piece {
        Kind kind;
        QByteArray text;

        bool operator==(const Piece &) const = default;
    };

    // The pieces that `data` completes, in the order they end.
    QList<Piece> Feed(const QByteArray &data);
    // What the end of the line leaves over: an open command or stray text.
    QList<Piece> Finish();

private:
    void Take(char c, QList<Piece> &pieces);
    void EndStray(QList<Piece> &pieces);
    void EndOpenCommand(QList<Piece> &pieces);

    QByteArray m_text;   // the open command, or stray text when m_closer is 0
    QByteArray m_crosspointInput; // "[I3" after [I3O5C5], until anything else comes
    char m_closer = 0;   // closing character of the open command
    bool m_skipping = false; // dropping the rest of an overlong command or stray text
};
