#include "worksheet/controls/HoverLabel.h"
#include "worksheet/controls/HoverSurface.h"
#include "worksheet/controls/PadControl.h"
#include "worksheet/controls/PictureButton.h"

#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

// Mouse input through the window, as the platform delivers it: Qt picks the receiver, so a
// release away from the pressed widget shows whether the implicit grab holds.
class WindowMouse {
public:
    explicit WindowMouse(QWidget& window) : window_(window) {}

    void press(QWidget& widget, QPoint at, Qt::MouseButton button) {
        QTest::mousePress(handle(), button, {}, widget.mapTo(&window_, at));
    }
    void release(QWidget& widget, QPoint at, Qt::MouseButton button) {
        QTest::mouseRelease(handle(), button, {}, widget.mapTo(&window_, at));
    }
    void move(QWidget& widget, QPoint at) {
        QTest::mouseMove(handle(), widget.mapTo(&window_, at));
    }

private:
    QWindow* handle() const { return window_.windowHandle(); }
    QWidget& window_;
};

template <typename Arg> Arg argument(const QSignalSpy& spy, int call, int position) {
    return spy.at(call).at(position).value<Arg>();
}

// Qt adds a move of its own when a press or release comes at a new position, so moves are
// looked up, not counted.
bool hasMove(const QSignalSpy& moves, Qt::MouseButtons buttons, QPointF twips) {
    const int last = moves.count() > 0 ? static_cast<int>(moves.at(0).size()) - 1 : 0;
    for (const QList<QVariant>& move : moves) {
        if (move.at(last - 1).value<Qt::MouseButtons>() == buttons &&
            move.at(last).toPointF() == twips)
            return true;
    }
    return false;
}

class PointerControlsTest : public ::testing::Test {
protected:
    PointerControlsTest() {
        window.resize(400, 400);
        window.show();
    }

    QWidget window;
    WindowMouse mouse{window};
};

} // namespace

TEST_F(PointerControlsTest, PadReportsEveryButtonInTwips) {
    auto* pad = new PadControl(TwipsScale(96.0), &window);
    pad->setGeometryTwips({840.0, 360.0, 2220.0, 5040.0});
    pad->show();
    QSignalSpy presses(pad, &PadControl::mousePressed);
    QSignalSpy moves(pad, &PadControl::mouseMoved);
    QSignalSpy releases(pad, &PadControl::mouseReleased);

    mouse.move(*pad, {11, 21}); // no button held
    mouse.press(*pad, {11, 21}, Qt::RightButton);
    mouse.move(*pad, {31, 41});
    mouse.release(*pad, {31, 41}, Qt::RightButton);
    mouse.press(*pad, {11, 21}, Qt::MiddleButton);
    mouse.release(*pad, {-20, -10}, Qt::MiddleButton); // outside the pad

    ASSERT_EQ(presses.count(), 2);
    ASSERT_EQ(releases.count(), 2);
    // Twips from the drawing area inside the one-pixel border.
    EXPECT_TRUE(hasMove(moves, Qt::NoButton, {150.0, 300.0}));
    EXPECT_TRUE(hasMove(moves, Qt::RightButton, {450.0, 600.0}));
    EXPECT_TRUE(hasMove(moves, Qt::MiddleButton, {-315.0, -165.0}));
    EXPECT_EQ(argument<Qt::MouseButtons>(presses, 0, 0), Qt::RightButton);
    EXPECT_EQ(argument<QPointF>(presses, 0, 1), QPointF(150.0, 300.0));
    EXPECT_EQ(argument<Qt::MouseButtons>(releases, 0, 0), Qt::RightButton);
    EXPECT_EQ(argument<Qt::MouseButtons>(presses, 1, 0), Qt::MiddleButton);
    EXPECT_EQ(argument<QPointF>(releases, 1, 1), QPointF(-315.0, -165.0));
}

TEST(PadControl, ConvertsAtDoubleDpi) {
    const PadControl pad(TwipsScale(192.0));
    EXPECT_EQ(pad.toPadTwips(QPointF(11.0, 21.0)), QPointF(75.0, 150.0));
    EXPECT_EQ(pad.toPadTwips(QPointF(1.5, 1.0)), QPointF(3.75, 0.0));
    EXPECT_EQ(pad.toWidgetPixels(QPointF(660.0, 2340.0)), QPoint(89, 313));
}

TEST(PadControl, PaintsBorderAndCrossHair) {
    PadControl pad(TwipsScale(96.0));
    pad.setGeometryTwips({0.0, 0.0, 2220.0, 5040.0});
    pad.setVerticalLineX(1200.0);
    pad.setHorizontalLineY(2400.0);
    const QImage image = pad.grab().toImage();
    const QPoint crossing = pad.toWidgetPixels({1200.0, 2400.0});
    EXPECT_EQ(image.pixelColor(crossing.x(), 10), QColor(0, 0, 128));
    EXPECT_EQ(image.pixelColor(crossing.x() + 1, 10), QColor(0, 0, 128));
    EXPECT_EQ(image.pixelColor(20, crossing.y()), QColor(128, 0, 0));
    EXPECT_EQ(image.pixelColor(0, 50), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(20, 50), QColor(Qt::white));
    // The horizontal line ends at x 2160, short of the right edge.
    EXPECT_EQ(image.pixelColor(pad.toWidgetPixels({2175.0, 0.0}).x(), crossing.y()),
              QColor(Qt::white));
}

TEST_F(PointerControlsTest, PictureButtonCarriesElementButtonAndTwips) {
    auto* button = new PictureButton(4, TwipsScale(192.0), &window);
    button->setGeometry(0, 0, 48, 44);
    button->show();
    QSignalSpy presses(button, &PictureButton::pressed);
    QSignalSpy moves(button, &PictureButton::moved);
    QSignalSpy releases(button, &PictureButton::released);

    mouse.press(*button, {4, 8}, Qt::MiddleButton);
    mouse.move(*button, {100, 100}); // dragged off the button
    mouse.release(*button, {200, 150}, Qt::MiddleButton);
    mouse.press(*button, {4, 8}, Qt::RightButton);
    mouse.release(*button, {4, 8}, Qt::RightButton);

    ASSERT_EQ(presses.count(), 2);
    ASSERT_EQ(releases.count(), 2);
    EXPECT_EQ(argument<int>(presses, 0, 0), 4);
    EXPECT_EQ(argument<Qt::MouseButton>(presses, 0, 1), Qt::MiddleButton);
    EXPECT_EQ(argument<QPointF>(presses, 0, 2), QPointF(30.0, 60.0));
    EXPECT_TRUE(hasMove(moves, Qt::MiddleButton, {750.0, 750.0}));
    EXPECT_EQ(argument<Qt::MouseButton>(releases, 0, 1), Qt::MiddleButton);
    EXPECT_EQ(argument<QPointF>(releases, 0, 2), QPointF(1500.0, 1125.0));
    EXPECT_EQ(argument<Qt::MouseButton>(releases, 1, 1), Qt::RightButton);
}

TEST_F(PointerControlsTest, PictureButtonLeavesTheFocusAlone) {
    auto* editor = new QLineEdit(&window);
    editor->show();
    auto* button = new PictureButton(0, TwipsScale(96.0), &window);
    button->setGeometry(200, 200, 24, 22);
    button->show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    editor->setFocus();
    mouse.press(*button, {5, 5}, Qt::LeftButton);
    mouse.release(*button, {5, 5}, Qt::LeftButton);
    EXPECT_TRUE(editor->hasFocus());
}

TEST(PictureButton, ShowsItsPictureAndSwapsIt) {
    PictureButton button(0, TwipsScale(96.0));
    button.resize(24, 22);
    button.setPicture(":/test/square-red.svg");
    EXPECT_EQ(button.grab().toImage().pixelColor(12, 11), QColor(Qt::red));

    PictureButton store(20, TwipsScale(96.0));
    store.setPicture(":/test/square-blue.svg");
    button.setPicture(store.picture());
    EXPECT_EQ(button.picture(), ":/test/square-blue.svg");
    EXPECT_EQ(button.grab().toImage().pixelColor(12, 11), QColor(Qt::blue));
}

TEST_F(PointerControlsTest, HoverOnlyOverTheBareSurfaceOrTheLabel) {
    auto* surface = new HoverSurface(TwipsScale(96.0), &window);
    surface->setGeometry(0, 0, 400, 400);
    auto* label = new HoverLabel(TwipsScale(96.0), surface);
    label->setGeometry(0, 0, 100, 20);
    // A child that passes unhandled moves on to its parent.
    auto* passive = new QWidget(surface);
    passive->setMouseTracking(true);
    passive->setGeometry(0, 100, 100, 20);
    surface->show();
    QSignalSpy surfaceHovers(surface, &HoverSurface::hovered);
    QSignalSpy labelHovers(label, &HoverLabel::hovered);

    mouse.move(*surface, {10, 10});
    mouse.move(*surface, {10, 110});
    EXPECT_EQ(labelHovers.count(), 1);
    EXPECT_EQ(surfaceHovers.count(), 0);
    mouse.move(*surface, {200, 200});
    EXPECT_EQ(surfaceHovers.count(), 1);
}
