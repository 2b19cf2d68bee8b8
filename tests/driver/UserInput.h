#pragma once

#include "KeyStroke.h"

class EventSettling;

#include <QEvent>
#include <QPointF>
#include <QPointer>
#include <QWidget>

#include <functional>

// A point on a widget, in the widget's own pixels (fractions allowed).
struct WidgetPoint {
    QPointer<QWidget> widget;
    QPointF position;
};

// Input as the window system gives it: every event enters through QtGui's window-system
// path on the top-level window, so that Qt itself picks the receiver (the widget under the
// pointer or the one holding the implicit mouse grab, the focus widget, an open popup) and
// matches the shortcuts. The events of one gesture arrive one by one with the program's
// reactions to each run in between. Timestamps rise steadily and leave more than the
// double-click interval after every release, so that no two clicks make a double click.
class UserInput {
public:
    // `stopped` tells when the program has ended: no further event is given then.
    UserInput(EventSettling& settling, std::function<bool()> stopped);

    void press(const WidgetPoint& point, Qt::MouseButton button);
    void release(const WidgetPoint& point);
    // A pointer move with the buttons that are held.
    void move(const WidgetPoint& point);
    // A pointer move with exactly `buttons` reported as held.
    void moveHolding(const WidgetPoint& point, Qt::MouseButtons buttons);
    void click(const WidgetPoint& point, Qt::MouseButton button = Qt::LeftButton);
    // The wheel turned `notches` steps over the point, one event a notch; positive turns
    // towards the user (down the page).
    void wheel(const WidgetPoint& point, int notches);

    // Presses and releases the key in the active window, with its modifier keys around it.
    void keyClick(const KeyStroke& stroke);
    void typeText(const QString& text);

private:
    void sendMouse(const WidgetPoint& point, Qt::MouseButtons state, Qt::MouseButton button,
                   QEvent::Type type);
    void sendKey(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, const QString& text);

    EventSettling& settling_;
    std::function<bool()> stopped_;
    Qt::MouseButtons held_ = Qt::NoButton;
    Qt::MouseButton lastPressed_ = Qt::LeftButton;
    int timestamp_ = 1;
};
