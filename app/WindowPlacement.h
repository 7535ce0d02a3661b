#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

#include <optional>

// Where the main window goes at start: the stored position of its client
// area, as long as the title bar above it would lie on one of the screens.
namespace WindowPlacement {

// Room assumed for the title bar above the client area; the real frame is
// known only once the window is shown.
constexpr int TitleBarHeight = 30;
// Width of the title bar that must lie on a screen, so that it can be grabbed.
constexpr int GrabbableWidth = 100;

// The stored client-area position, or nothing when the title bar would be
// off every screen. A missing coordinate keeps that of `current`.
std::optional<QPoint> RestoredPosition(std::optional<int> left, std::optional<int> top,
                                       const QRect &current, const QList<QRect> &screens);

} // namespace WindowPlacement
