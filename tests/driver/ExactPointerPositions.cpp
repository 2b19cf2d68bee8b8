#include "ExactPointerPositions.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

#include <cmath>

namespace {

bool isMouseEvent(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

// Off by less than a pixel: the position was rounded. Anything else is left alone.
bool wasRounded(QPointF given, QPointF exact) {
    const QPointF difference = exact - given;
    return (difference.x() != 0.0 || difference.y() != 0.0) && std::abs(difference.x()) < 1.0 &&
           std::abs(difference.y()) < 1.0;
}

} // namespace

ExactPointerPositions::ExactPointerPositions() {
    qApp->installEventFilter(this);
}

ExactPointerPositions::~ExactPointerPositions() {
    qApp->removeEventFilter(this);
}

bool ExactPointerPositions::eventFilter(QObject* watched, QEvent* event) {
    if (!event->spontaneous() || !isMouseEvent(event->type()) || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF exact = widget->mapFrom(widget->window(), mouse->scenePosition());
    if (!wasRounded(mouse->position(), exact))
        return false;
    QMouseEvent exactEvent(mouse->type(), exact, mouse->scenePosition(), widget->mapToGlobal(exact),
                           mouse->button(), mouse->buttons(), mouse->modifiers(),
                           mouse->pointingDevice());
    exactEvent.setTimestamp(mouse->timestamp());
    QSpontaneKeyEvent::setSpontaneous(&exactEvent);
    QCoreApplication::sendEvent(widget, &exactEvent);
    // The exact event has gone wherever the rounded one would have gone on from here.
    mouse->setAccepted(true);
    return true;
}
