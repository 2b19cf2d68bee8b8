#include "EventSettling.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>

namespace {
// A program that keeps posting events to itself must not hang the driver.
constexpr int maximumPasses = 1000;
} // namespace

void settleEvents() {
    for (int pass = 0; pass < maximumPasses; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
        if (dispatcher == nullptr || !dispatcher->processEvents(QEventLoop::AllEvents))
            return;
    }
}
