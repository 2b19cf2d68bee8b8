#include "PadControl.h"

#include "FocusMark.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr QRgb verticalLineColour = 0xff000080;   // dark blue
constexpr QRgb horizontalLineColour = 0xff800000; // dark red
constexpr int crossHairPixels = 2;
} // namespace

PadControl::PadControl(const TwipsScale& scale, QWidget* parent)
    : QWidget(parent), TwipsGeometry(*this, scale) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PadControl::setVerticalLineX(double twips) {
    verticalLineX_ = twips;
    update();
}

void PadControl::setHorizontalLineY(double twips) {
    horizontalLineY_ = twips;
    update();
}

QPointF PadControl::toPadTwips(QPointF widgetPixels) const {
    return twipsScale().toTwips(widgetPixels - QPointF(borderPixels, borderPixels));
}

QPoint PadControl::toWidgetPixels(QPointF padTwips) const {
    const TwipsScale& scale = twipsScale();
    return QPoint(scale.toPixels(padTwips.x()) + borderPixels,
                  scale.toPixels(padTwips.y()) + borderPixels);
}

void PadControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The border is filled, not stroked, so that it stays one logical pixel wide on a
    // high-DPI screen as the cross-hair stays two.
    const QRect inside = rect().adjusted(borderPixels, borderPixels, -borderPixels, -borderPixels);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(inside, Qt::white);
    painter.setClipRect(inside);
    // A 2-pixel pen centred on the pixel edge x + 1 covers the pixel columns x and x + 1.
    const QPoint origin = toWidgetPixels({verticalLineX_, 0.0});
    const QPoint verticalEnd = toWidgetPixels({verticalLineX_, verticalLineLength});
    painter.setPen(
        QPen(QColor::fromRgb(verticalLineColour), crossHairPixels, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(origin.x() + 1.0, origin.y()),
                     QPointF(verticalEnd.x() + 1.0, verticalEnd.y()));

    const QPoint left = toWidgetPixels({0.0, horizontalLineY_});
    const QPoint right = toWidgetPixels({horizontalLineLength, horizontalLineY_});
    painter.setPen(
        QPen(QColor::fromRgb(horizontalLineColour), crossHairPixels, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(left.x(), left.y() + 1.0), QPointF(right.x(), right.y() + 1.0));
    if (hasFocus())
        drawFocusMark(painter, inside);
}

void PadControl::setPointName(const QString& name) {
    if (name == pointName_)
        return;
    pointName_ = name;
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void PadControl::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        emit arrowKeyPressed(-1, 0);
        break;
    case Qt::Key_Right:
        emit arrowKeyPressed(1, 0);
        break;
    case Qt::Key_Up:
        emit arrowKeyPressed(0, -1);
        break;
    case Qt::Key_Down:
        emit arrowKeyPressed(0, 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void PadControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit mousePressed(event->button(), toPadTwips(event->position()));
}

void PadControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMoved(event->buttons(), toPadTwips(event->position()));
}

void PadControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit mouseReleased(event->button(), toPadTwips(event->position()));
}

void PadControl::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}
