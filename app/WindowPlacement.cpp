#include "app/WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {

namespace {

QRect TitleBar(const QPoint &position, int width)
{
    return QRect(position.x(), position.y() - TitleBarHeight, width, TitleBarHeight);
}

bool Grabbable(const QRect &titleBar, const QRect &screen)
{
    const QRect shown = screen.intersected(titleBar);
    return shown.height() == TitleBarHeight
           && shown.width() >= std::min(titleBar.width(), GrabbableWidth);
}

} // namespace

std::optional<QPoint> RestoredPosition(std::optional<int> left, std::optional<int> top,
                                       const QRect &current, const QList<QRect> &screens)
{
    if (!left && !top)
        return std::nullopt;
    const QPoint position(left.value_or(current.x()), top.value_or(current.y()));
    for (const QRect &screen : screens)
        if (Grabbable(TitleBar(position, current.width()), screen))
            return position;
    return std::nullopt;
}

Placement Place(std::optional<int> left, std::optional<int> top, const QRect &current,
                const QList<QRect> &screens, const QMargins &frame, int scrollBar)
{
    const QPoint position =
        RestoredPosition(left, top, current, screens).value_or(current.topLeft());
    if (screens.isEmpty())
        return {QRect(position, current.size()), false};
    const QRect titleBar = TitleBar(position, current.width());
    const auto under = std::find_if(screens.begin(), screens.end(), [&](const QRect &screen) {
        return Grabbable(titleBar, screen);
    });
    const QRect area = under != screens.end() ? *under : screens.first();

    const QRect framed = QRect(position, current.size()).marginsAdded(frame);
    if (framed.width() <= area.width() && framed.height() <= area.height())
        return {QRect(position, current.size()), false};

    // Shrunk to the area, and moved into it as far as needed.
    const QRect room = area.marginsRemoved(frame);
    QSize wanted = current.size();
    const bool tall = wanted.height() > room.height();
    const bool wide =
        wanted.width() > room.width() || (tall && wanted.width() + scrollBar > room.width());
    if (tall)
        wanted.rwidth() += scrollBar;
    if (wide)
        wanted.rheight() += scrollBar;
    const QSize size = wanted.boundedTo(room.size());
    const auto into = [](int at, int first, int last) {
        return std::clamp(at, first, std::max(first, last));
    };
    const QPoint inside(into(position.x(), room.left(), room.right() + 1 - size.width()),
                        into(position.y(), room.top(), room.bottom() + 1 - size.height()));
    return {QRect(inside, size), true};
}

} // namespace WindowPlacement
