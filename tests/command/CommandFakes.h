#pragma once

#include "app/QlError.h"
#include "command/CommandContext.h"
#include "command/SerialLine.h"
#include "command/TerminalSink.h"

#include <QColor>
#include <QList>
#include <QStringList>

// An in-memory line: records writes, hands out queued input, fails on demand.
class FakeLine : public SerialLine
{
public:
    bool open = true;
    QStringList writes;
    QString input;
    QString failWith;   // when set, every write throws this message

    bool IsOpen() const override { return open; }
    void WriteText(const QString &text) override
    {
        if (!failWith.isEmpty())
            throw QlError(failWith);
        writes << text;
    }
    QString ReadAvailable() override { return std::exchange(input, QString()); }
};

struct TerminalPiece
{
    QString text;
    QColor colour;
};

class FakeTerminal : public TerminalSink
{
public:
    QList<TerminalPiece> pieces;

    void TerminalWrite(const QString &text, const QColor &colour) override
    {
        pieces.append({text, colour});
    }
    QString Text() const
    {
        QString all;
        for (const TerminalPiece &p : pieces)
            all += p.text;
        return all;
    }
};

class FakeContext : public CommandContext
{
public:
    CommandAddressing addressing;
    bool portChosen = true;

    FakeContext() { addressing.CurrentSlot = 5; }
    CommandAddressing Addressing() const override { return addressing; }
    bool PortChosen() const override { return portChosen; }
};
