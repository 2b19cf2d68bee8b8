#include "HoverLabel.h"

#include <QMouseEvent>

HoverLabel::HoverLabel(const TwipsScale& scale, QWidget* parent)
    : QLabel(parent), TwipsGeometry(*this, scale) {
    setMouseTracking(true);
}

void HoverLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    // Accepted, so the move does not travel on to the surface underneath.
    event->accept();
    emit hovered();
}
