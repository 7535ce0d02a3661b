#include "app/WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {

std::optional<QPoint> RestoredPosition(std::optional<int> left, std::optional<int> top,
                                       const QRect &current, const QList<QRect> &screens)
{
    if (!left && !top)
        return std::nullopt;
    const QPoint position(left.value_or(current.x()), top.value_or(current.y()));
    const QRect titleBar(position.x(), position.y() - TitleBarHeight, current.width(),
                         TitleBarHeight);
    const int grabbable = std::min(current.width(), GrabbableWidth);
    for (const QRect &screen : screens) {
        const QRect shown = screen.intersected(titleBar);
        if (shown.height() == TitleBarHeight && shown.width() >= grabbable)
            return position;
    }
    return std::nullopt;
}

} // namespace WindowPlacement
