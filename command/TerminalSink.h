#pragma once

#include <QColor>
#include <QString>

// Colours of the terminal text.
namespace TerminalColor {
inline const QColor Sent{128, 0, 0};
inline const QColor Received{0, 0, 255};
inline const QColor Typed{0, 0, 0};
// The program's own notices: neither sent nor received.
inline const QColor Notice{0, 110, 0};
} // namespace TerminalColor

// Where the exchange with the unit is shown.
class TerminalSink
{
public:
    virtual ~TerminalSink() = default;
    // Appends `text` at the very end in `colour` and scrolls it into view.
    virtual void TerminalWrite(const QString &text, const QColor &colour) = 0;
};
