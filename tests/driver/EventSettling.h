#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>

#include <vector>

// Brings the program to rest between two pieces of input: delivers everything it has
// pending (window events, posted events, timers that are due, deferred deletes) until a pass
// finds nothing left to do.
//
// It also stands in for the window manager, which the offscreen platform lacks: when the
// active window closes (a dialog, a menu), the window that was active before it becomes
// active again, so that the keyboard goes back where a user would find it.
class EventSettling : public QObject {
public:
    EventSettling();

    void settle();

private:
    void noteActivation(QWindow* window);
    bool reactivatePrevious();

    // Windows in the order they were last active, most recent last.
    std::vector<QPointer<QWindow>> activationHistory_;
};
