#pragma once

#include "unit/UnitLine.h"

class QSocketNotifier;

// A pseudo-terminal served from its master side: the program opens
// DevicePath() as its serial port. The device is raw (no echo, no line
// editing) before the program opens it, and it is held open here too, so the
// program may close and reopen it at will.
class PtyLine : public UnitLine
{
    Q_OBJECT

public:
    // Throws QlError when the system gives no pseudo-terminal.
    explicit PtyLine(QObject *parent = nullptr);
    ~PtyLine() override;

    const QString &DevicePath() const { return m_devicePath; }
    void Write(const QByteArray &data) override;

private:
    void ReadAvailable();
    void WritePending();

    int m_master = -1;
    int m_device = -1;
    QString m_devicePath;
    QSocketNotifier *m_readable = nullptr;
    QSocketNotifier *m_writable = nullptr;
    QByteArray m_pending;
};
