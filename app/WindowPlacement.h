#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>

#include <optional>

// Where the main window goes at start, and whether its client area has to
// scroll because the window does not fit the screen.
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

struct Placement
{
    QRect geometry;         // the window without its frame
    bool scrolling = false; // smaller than `current`: the client area scrolls
};

// `current` is the window at its full size, `frame` the room its frame
// takes around it, `screens` the screens' available areas. A window whose
// frame fits the area of its screen opens at the restored position (else
// where it is). One that does not fit opens inside that area, shrunk to it;
// where there is room it grows by `scrollBar` for the scroll bar across the
// other way. Its screen is the one under the title bar at the restored
// (else current) position, or the first.
Placement Place(std::optional<int> left, std::optional<int> top, const QRect &current,
                const QList<QRect> &screens, const QMargins &frame, int scrollBar);

} // namespace WindowPlacement
