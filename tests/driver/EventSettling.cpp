#include "EventSettling.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <algorithm>

namespace {

// A program that keeps posting events to itself must not hang the driver.
constexpr int maximumPasses = 1000;
constexpr int maximumReactivations = 3;

void deliverPending() {
    for (int pass = 0; pass < maximumPasses; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
        if (dispatcher == nullptr || !dispatcher->processEvents(QEventLoop::AllEvents))
            return;
    }
}

bool takesActivation(const QWindow& window) {
    return window.isVisible() && window.type() != Qt::Popup && window.type() != Qt::ToolTip;
}

} // namespace

EventSettling::EventSettling() {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &EventSettling::noteActivation);
}

void EventSettling::settle() {
    deliverPending();
    for (int round = 0; round < maximumReactivations && reactivatePrevious(); ++round)
        deliverPending();
}

void EventSettling::noteActivation(QWindow* window) {
    if (window == nullptr || !takesActivation(*window))
        return;
    std::erase(activationHistory_, window);
    activationHistory_.emplace_back(window);
}

bool EventSettling::reactivatePrevious() {
    const QWidget* active = QApplication::activeWindow();
    if (QApplication::activePopupWidget() != nullptr || (active != nullptr && active->isVisible()))
        return false;
    std::erase_if(activationHistory_,
                  [](const QPointer<QWindow>& window) { return window.isNull(); });
    for (auto window = activationHistory_.rbegin(); window != activationHistory_.rend(); ++window) {
        if (takesActivation(**window)) {
            (*window)->requestActivate();
            return true;
        }
    }
    return false;
}
