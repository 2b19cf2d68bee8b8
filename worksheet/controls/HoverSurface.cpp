#include "HoverSurface.h"

#include <QMouseEvent>

HoverSurface::HoverSurface(const TwipsScale& scale, QWidget* parent)
    : QWidget(parent), TwipsGeometry(*this, scale) {
    setMouseTracking(true);
}

void HoverSurface::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (childAt(event->position().toPoint()) == nullptr)
        emit hovered();
}
