#include "FocusMark.h"

#include <QPainter>
#include <QPen>
#include <QRect>

void drawFocusMark(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setClipping(false);
    const QRectF inside = QRectF(area).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(Qt::white, 1.0));
    painter.drawRect(inside);
    painter.setPen(QPen(Qt::black, 1.0, Qt::DotLine));
    painter.drawRect(inside);
    painter.restore();
}
