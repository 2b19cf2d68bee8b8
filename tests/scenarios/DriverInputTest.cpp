// Input as the driver delivers it, on a plain window: the events must reach the widget that a
// real pointer or keyboard would reach, at the exact (fractional) position, and the window
// shortcuts must fire.

#include "tests/driver/EventSettling.h"
#include "tests/driver/ExactPointerPositions.h"
#include "tests/driver/UserInput.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct SeenMouseEvent {
    QEvent::Type type;
    QPointF position;
    Qt::MouseButtons buttons;
};

class MouseRecorder : public QWidget {
public:
    explicit MouseRecorder(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }
    std::vector<SeenMouseEvent> seen;

    std::vector<SeenMouseEvent> ofType(QEvent::Type type) const {
        std::vector<SeenMouseEvent> matching;
        for (const SeenMouseEvent& event : seen) {
            if (event.type == type)
                matching.push_back(event);
        }
        return matching;
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { record(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { record(event); }
    void mouseMoveEvent(QMouseEvent* event) override { record(event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { record(event); }

private:
    void record(QMouseEvent* event) {
        seen.push_back({event->type(), event->position(), event->buttons()});
        event->accept();
    }
};

class DriverInput : public testing::Test {
protected:
    DriverInput() : input(settling, [this] { return stopped; }) {
        window.setObjectName(QStringLiteral("window"));
        window.resize(300, 200);
        left->setGeometry(10, 10, 100, 50);
        right->setGeometry(150, 10, 100, 50);
        editor->setGeometry(10, 100, 100, 24);
        shortcut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
        shortcut->setShortcutContext(Qt::WindowShortcut);
        window.addAction(shortcut);
        QObject::connect(shortcut, &QAction::triggered, [this] { ++shortcutCount; });
        window.show();
        settling.settle();
        editor->setFocus();
        settling.settle();
    }

    EventSettling settling;
    const ExactPointerPositions exactPositions;
    bool stopped = false;
    UserInput input;
    QWidget window;
    MouseRecorder* left = new MouseRecorder(&window);
    MouseRecorder* right = new MouseRecorder(&window);
    QLineEdit* editor = new QLineEdit(&window);
    QAction* shortcut = new QAction(&window);
    int shortcutCount = 0;
};

TEST_F(DriverInput, TheWindowIsActiveAndTheEditorHasTheKeyboard) {
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(QApplication::focusWidget(), editor);
}

TEST_F(DriverInput, FractionalPositionsReachTheWidgetUnrounded) {
    input.press({left, QPointF(12.25, 7.5)}, Qt::LeftButton);
    input.release({left, QPointF(40.5, 20.75)});
    const auto presses = left->ofType(QEvent::MouseButtonPress);
    const auto releases = left->ofType(QEvent::MouseButtonRelease);
    ASSERT_EQ(presses.size(), 1u);
    ASSERT_EQ(releases.size(), 1u);
    EXPECT_EQ(presses[0].position, QPointF(12.25, 7.5));
    EXPECT_EQ(releases[0].position, QPointF(40.5, 20.75));
}

TEST_F(DriverInput, TheWidgetPressedKeepsThePointerUntilTheRelease) {
    input.press({left, QPointF(5, 5)}, Qt::LeftButton);
    input.move({right, QPointF(10.5, 10)});
    input.release({right, QPointF(20, 10)});
    EXPECT_TRUE(right->ofType(QEvent::MouseButtonRelease).empty());
    const auto releases = left->ofType(QEvent::MouseButtonRelease);
    ASSERT_EQ(releases.size(), 1u);
    // Over the other widget, in the pressed widget's own coordinates.
    EXPECT_EQ(releases[0].position, QPointF(160, 10));
    const auto moves = left->ofType(QEvent::MouseMove);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back().buttons, Qt::LeftButton);
    EXPECT_EQ(moves.back().position, QPointF(160, 10));
}

TEST_F(DriverInput, MovesReportTheButtonsAsTold) {
    input.press({left, QPointF(5, 5)}, Qt::RightButton);
    input.move({left, QPointF(6, 5)});
    input.moveHolding({left, QPointF(7, 5)}, Qt::NoButton);
    const auto moves = left->ofType(QEvent::MouseMove);
    ASSERT_GE(moves.size(), 2u);
    EXPECT_EQ(moves[moves.size() - 2].buttons, Qt::RightButton);
    EXPECT_EQ(moves.back().buttons, Qt::NoButton);
}

TEST_F(DriverInput, ClicksInQuickSuccessionStaySingleClicks) {
    input.click({left, QPointF(5, 5)});
    input.click({left, QPointF(5, 5)});
    input.click({left, QPointF(5, 5)});
    EXPECT_EQ(left->ofType(QEvent::MouseButtonPress).size(), 3u);
    EXPECT_TRUE(left->ofType(QEvent::MouseButtonDblClick).empty());
}

TEST_F(DriverInput, TypedTextGoesToTheFocusWidget) {
    input.typeText(QStringLiteral("1.5 a-Z"));
    EXPECT_EQ(editor->text(), QStringLiteral("1.5 a-Z"));
}

TEST_F(DriverInput, ControlLettersFireWindowShortcutsAndTypeNothing) {
    input.keyClick(*keyStrokeForName(QStringLiteral("Ctrl+E")));
    EXPECT_EQ(shortcutCount, 1);
    EXPECT_TRUE(editor->text().isEmpty());
    // Ctrl is up again: the next letter types.
    input.typeText(QStringLiteral("e"));
    EXPECT_EQ(editor->text(), QStringLiteral("e"));
    EXPECT_EQ(shortcutCount, 1);
}

TEST_F(DriverInput, NothingIsDeliveredOnceStopped) {
    stopped = true;
    input.typeText(QStringLiteral("12"));
    input.click({left, QPointF(5, 5)});
    EXPECT_TRUE(editor->text().isEmpty());
    EXPECT_TRUE(left->seen.empty());
}

TEST_F(DriverInput, AClosedDialogHandsTheKeyboardBack) {
    auto dialog = std::make_unique<QDialog>(&window);
    auto* box = new QLineEdit(dialog.get());
    dialog->show();
    settling.settle();
    box->setFocus();
    input.typeText(QStringLiteral("7"));
    EXPECT_EQ(box->text(), QStringLiteral("7"));

    dialog->close();
    settling.settle();
    EXPECT_EQ(QApplication::activeWindow(), &window);
    input.typeText(QStringLiteral("8"));
    EXPECT_EQ(editor->text(), QStringLiteral("8"));
}

} // namespace
