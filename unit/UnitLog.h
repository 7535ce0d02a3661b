#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// The unit's log, one line per event:
//       1544 ms    +502 ms  command [I3O5C5]
//       1545 ms             answer C3C12G2U0\r\n
// the milliseconds since the start, for what arrived the pause since the write
// before it, the kind and the bytes: printable ASCII as it is, and \r, \n, \t,
// \\ or \xHH for the rest; of anything longer than a command may be, only the
// beginning and the length. Each line is flushed at once.
class UnitLog
{
public:
    explicit UnitLog(QFile &out) : m_out(out) {}

    // Something that arrived at `at`, `pause` milliseconds after the previous write.
    void Arrived(qint64 at, qint64 pause, const char *kind, const QByteArray &bytes);
    // Something the unit did at `at`.
    void Did(qint64 at, const char *kind, const QByteArray &bytes);

private:
    void Line(qint64 at, const QString &pause, const char *kind, const QByteArray &bytes);

    QFile &m_out;
};
