#include "HelpPlacement.h"

#include <algorithm>

QRect helpWindowPlace(const QRect& frame, const QSize& window, const QRect& available) {
    const QSize size = window.boundedTo(available.size());
    const int rightOfFrame = frame.x() + frame.width();
    const int leftOfFrame = frame.x() - size.width();
    const int screenRight = available.x() + available.width();
    int x;
    int y = frame.y();
    if (rightOfFrame + size.width() <= screenRight && rightOfFrame >= available.x()) {
        x = rightOfFrame;
    } else if (leftOfFrame >= available.x() && frame.x() <= screenRight) {
        x = leftOfFrame;
    } else {
        x = frame.x() + (frame.width() - size.width()) / 2;
        y = frame.y() + (frame.height() - size.height()) / 2;
    }
    // Beside a frame low on the screen, or centred on one partly off it, the window would
    // stick out; it stays whole on the screen.
    x = std::clamp(x, available.x(), screenRight - size.width());
    y = std::clamp(y, available.y(), available.y() + available.height() - size.height());
    return {QPoint(x, y), size};
}
