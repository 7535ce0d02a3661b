#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Replies a trainer gives the unit, one "command = reply" a line:
//   # comment
//   [VER] = QL 3.0\r\n
// The command is one card or controller command as the program sends it; the
// reply is the rest of the line without its outer blanks, where \r, \n, \t,
// \\ and \xHH stand for those bytes. Empty lines and lines starting with "#"
// are skipped.
class ReplyFile
{
public:
    struct Reply {
        QByteArray text;
        int line = 0;
    };
    using Table = QHash<QByteArray, Reply>;

    // Reads the file; throws QlError naming the file and the line number of
    // the first malformed line.
    static Table Read(const QString &path);
    // The same for the file's contents; the error names only the line.
    static Table Parse(const QByteArray &contents);
};
