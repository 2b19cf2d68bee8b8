#include "RunningWorksheet.h"

#include "worksheet/controls/GridControl.h"
#include "app/MDIForm1.h"
#include "worksheet/Valkubeform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QWindow>

#include <stdexcept>

namespace {

// Far enough apart that no two presses make a double click.
constexpr ulong millisecondsBetweenEvents = 1000;

} // namespace

RunningWorksheet::RunningWorksheet() : program_(services_, NumberLocale{}) {
    program_.start();
    window_ = program_.frame().windowHandle();
    if (window_ == nullptr || !QTest::qWaitForWindowExposed(&program_.frame()))
        throw std::runtime_error("the frame window did not come up");
    settle();
}

void RunningWorksheet::setParameters(const std::array<std::string, 5>& texts) {
    for (int row = 1; row <= 5; ++row)
        form().controls().Thegrid.setCellText(
            row, 1, QString::fromStdString(texts[static_cast<std::size_t>(row - 1)]));
}

void RunningWorksheet::pressLeft(const QWidget& widget, QPoint pixels) {
    sendMouse(widget, pixels, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
}

void RunningWorksheet::moveHoldingLeft(const QWidget& widget, QPoint pixels) {
    sendMouse(widget, pixels, Qt::LeftButton, Qt::NoButton, QEvent::MouseMove);
}

void RunningWorksheet::releaseLeft(const QWidget& widget, QPoint pixels) {
    sendMouse(widget, pixels, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
}

void RunningWorksheet::pressButton(const QWidget& widget) {
    pressLeft(widget, widget.rect().center());
    settle();
}

void RunningWorksheet::sendMouse(const QWidget& widget, QPoint pixels, Qt::MouseButtons held,
                                 Qt::MouseButton button, int type) {
    const QPointF local = widget.mapTo(&program_.frame(), QPointF(pixels));
    timestamp_ += millisecondsBetweenEvents;
    qt_handleMouseEvent(window_, local, window_->mapToGlobal(local), held, button,
                        static_cast<QEvent::Type>(type), Qt::NoModifier,
                        static_cast<int>(timestamp_));
}

void RunningWorksheet::typeKey(int key, const QString& text) {
    qt_handleKeyEvent(window_, QEvent::KeyPress, key, Qt::NoModifier, text);
    qt_handleKeyEvent(window_, QEvent::KeyRelease, key, Qt::NoModifier, text);
}

void RunningWorksheet::repaintNow() {
    form().repaint();
    QCoreApplication::sendPostedEvents();
}

void RunningWorksheet::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
