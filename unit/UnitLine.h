#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The unit's end of the line to the program: bytes arrive, answers go out.
class UnitLine : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Queues `data` for sending; never blocks.
    virtual void Write(const QByteArray &data) = 0;

signals:
    // One read's worth of bytes, roughly one write of the program.
    void Received(const QByteArray &data);
    // The line went away (a serial device unplugged); nothing more arrives.
    void Lost(const QString &message);
};
