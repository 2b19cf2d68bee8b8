#include "UserInput.h"

#include "EventSettling.h"
#include "ScenarioFailure.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QStyleHints>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest/qtestkeyboard.h>
#include <QtTest/qtestmouse.h>

#include <array>
#include <cstdlib>
#include <utility>

namespace {

// The window that gets the keyboard: an open popup, else a modal dialog, else the active
// window.
QWindow* keyboardWindow() {
    QWidget* target = QApplication::activePopupWidget();
    if (target == nullptr)
        target = QApplication::activeModalWidget();
    if (target == nullptr)
        target = QApplication::activeWindow();
    QWindow* window = target != nullptr ? target->windowHandle() : QGuiApplication::focusWindow();
    if (window == nullptr)
        failScenario(QStringLiteral("no window has the keyboard"));
    return window;
}

struct ModifierKey {
    Qt::KeyboardModifier modifier;
    Qt::Key key;
};

constexpr std::array modifierKeys{ModifierKey{Qt::ShiftModifier, Qt::Key_Shift},
                                  ModifierKey{Qt::ControlModifier, Qt::Key_Control},
                                  ModifierKey{Qt::AltModifier, Qt::Key_Alt},
                                  ModifierKey{Qt::MetaModifier, Qt::Key_Meta}};

} // namespace

UserInput::UserInput(EventSettling& settling, std::function<bool()> stopped)
    : settling_(settling), stopped_(std::move(stopped)) {}

void UserInput::press(const WidgetPoint& point, Qt::MouseButton button) {
    held_ |= button;
    lastPressed_ = button;
    sendMouse(point, held_, button, QEvent::MouseButtonPress);
}

// Every held button goes up, the last one pressed first, as a real pointer lets go of all; a
// release with nothing held lets go of the left button.
void UserInput::release(const WidgetPoint& point) {
    const QPointer<QWidget> widget(point.widget);
    const Qt::MouseButton first = held_.testFlag(lastPressed_) ? lastPressed_ : Qt::LeftButton;
    held_.setFlag(first, false);
    sendMouse(point, held_, first, QEvent::MouseButtonRelease);
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (!held_.testFlag(button))
            continue;
        held_.setFlag(button, false);
        // The first release may have closed the window; the buttons are up all the same.
        if (!widget.isNull() && widget->isVisible())
            sendMouse(point, held_, button, QEvent::MouseButtonRelease);
    }
    held_ = Qt::NoButton;
    timestamp_ += QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1;
}

void UserInput::move(const WidgetPoint& point) {
    moveHolding(point, held_);
}

void UserInput::moveHolding(const WidgetPoint& point, Qt::MouseButtons buttons) {
    sendMouse(point, buttons, Qt::NoButton, QEvent::MouseMove);
}

void UserInput::click(const WidgetPoint& point, Qt::MouseButton button) {
    press(point, button);
    release(point);
}

// Delivered as the window system's wheel events are: to the widget under the pointer, and
// on to its parents while they are ignored.
void UserInput::wheel(const WidgetPoint& point, int notches) {
    constexpr int notch = 120; // QWheelEvent's eighths of a degree
    for (int i = 0; i < std::abs(notches); ++i) {
        if (stopped_())
            return;
        if (point.widget == nullptr || !point.widget->isVisible())
            failScenario(QStringLiteral("the control to turn the wheel over is not shown"));
        QWidget* topLevel = point.widget->window();
        const QPoint inWindow = point.widget->mapTo(topLevel, point.position.toPoint());
        QWidget* under = topLevel->childAt(inWindow);
        QWidget* target = under != nullptr ? under : topLevel;
        const QPointF local = target->mapFrom(topLevel, QPointF(inWindow));
        QWheelEvent event(local, target->mapToGlobal(local), QPoint(),
                          QPoint(0, notches > 0 ? -notch : notch), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(target, &event);
        settling_.settle();
    }
}

void UserInput::sendMouse(const WidgetPoint& point, Qt::MouseButtons state, Qt::MouseButton button,
                          QEvent::Type type) {
    if (stopped_())
        return;
    if (point.widget == nullptr || !point.widget->isVisible())
        failScenario(QStringLiteral("the window to click is not open"));
    QWidget* topLevel = point.widget->window();
    QWindow* window = topLevel->windowHandle();
    if (window == nullptr)
        failScenario(QStringLiteral("the window to click is not open"));
    const QPointF local = point.widget->mapTo(topLevel, point.position);
    qt_handleMouseEvent(window, local, window->mapToGlobal(local), state, button, type,
                        Qt::NoModifier, ++timestamp_);
    settling_.settle();
}

void UserInput::keyClick(const KeyStroke& stroke) {
    Qt::KeyboardModifiers down = Qt::NoModifier;
    for (const ModifierKey& modifier : modifierKeys) {
        if (stroke.modifiers.testFlag(modifier.modifier)) {
            down |= modifier.modifier;
            sendKey(QEvent::KeyPress, modifier.key, down, QString());
        }
    }
    sendKey(QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
    sendKey(QEvent::KeyRelease, stroke.key, stroke.modifiers, stroke.text);
    for (auto modifier = modifierKeys.rbegin(); modifier != modifierKeys.rend(); ++modifier) {
        if (stroke.modifiers.testFlag(modifier->modifier)) {
            down.setFlag(modifier->modifier, false);
            sendKey(QEvent::KeyRelease, modifier->key, down, QString());
        }
    }
}

void UserInput::typeText(const QString& text) {
    for (const QChar character : text)
        keyClick(keyStrokeForCharacter(character));
}

void UserInput::sendKey(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                        const QString& text) {
    if (stopped_())
        return;
    // Each event carries the modifiers as they are once it has happened.
    qt_handleKeyEvent(keyboardWindow(), type, key, modifiers, text);
    settling_.settle();
}
