#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/EditorReactions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

// Logs every reaction with the editor's text at that moment; the hooks replace codes.
class RecordingReactions : public EditorReactions {
public:
    explicit RecordingReactions(const EditorControl& editor) : editor_(editor) {}

    void keyDown(int& keyCode) override {
        log.push_back("down " + std::to_string(keyCode) + " " + text());
        if (onKeyDown)
            onKeyDown(keyCode);
    }
    void keyPress(int& charCode) override {
        log.push_back("press " + std::to_string(charCode));
        if (onKeyPress)
            onKeyPress(charCode);
    }
    void keyUp(int keyCode) override { log.push_back("up " + std::to_string(keyCode)); }
    void changed() override {
        log.push_back("changed " + text());
        ++changes;
    }

    std::vector<std::string> log;
    int changes = 0;
    std::function<void(int&)> onKeyDown;
    std::function<void(int&)> onKeyPress;

private:
    std::string text() const { return editor_.text().toStdString(); }
    const EditorControl& editor_;
};

using Log = std::vector<std::string>;

class EditorControlTest : public ::testing::Test {
protected:
    EditorControlTest() { editor.setReactions(&reactions); }

    void typeIn(const QString& text, int caret) {
        editor.setText(text);
        editor.setCursorPosition(caret);
        reactions.log.clear();
        reactions.changes = 0;
    }

    EditorControl editor{TwipsScale(96.0)};
    RecordingReactions reactions{editor};
};

} // namespace

// State: empty editor. Action: type 7. Expected: key down, character, change, key up.
TEST_F(EditorControlTest, ATypedDigitRunsTheReactionsInOrder) {
    QTest::keyClick(&editor, Qt::Key_7);
    EXPECT_EQ(reactions.log, (Log{"down 55 ", "press 55", "changed 7", "up 55"}));
}

TEST_F(EditorControlTest, ZeroFromAReactionDiscardsTheKey) {
    reactions.onKeyDown = [](int& code) {
        if (code == 55)
            code = 0;
    };
    reactions.onKeyPress = [](int& code) {
        if (code == 45)
            code = 0;
    };
    QTest::keyClick(&editor, Qt::Key_7);
    QTest::keyClick(&editor, Qt::Key_Minus, Qt::NoModifier);
    EXPECT_EQ(editor.text(), "");
    EXPECT_EQ(reactions.log, (Log{"down 55 ", "up 55", "down 189 ", "press 45", "up 189"}));
}

TEST_F(EditorControlTest, AReplacedCharacterIsTypedInstead) {
    reactions.onKeyPress = [](int& code) { code = 'X'; };
    QTest::keyClick(&editor, Qt::Key_A);
    EXPECT_EQ(editor.text(), "X");
}

TEST_F(EditorControlTest, TypingReplacesTheSelectionAndBackspaceDeletes) {
    typeIn("1234", 4);
    editor.setSelection(1, 2);
    QTest::keyClick(&editor, Qt::Key_9);
    EXPECT_EQ(editor.text(), "194");
    QTest::keyClick(&editor, Qt::Key_Backspace);
    EXPECT_EQ(editor.text(), "14");
    EXPECT_EQ(reactions.changes, 2);
    EXPECT_EQ(reactions.log[5], "press 8");
}

TEST_F(EditorControlTest, ControlCharactersNeverChangeTheText) {
    QApplication::clipboard()->setText("999");
    typeIn("12", 2);
    editor.selectAll();
    QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&editor, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(&editor, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClick(&editor, Qt::Key_Escape);
    editor.setCursorPosition(2);
    QTest::keyClick(&editor, Qt::Key_5);
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier); // no undo either
    EXPECT_EQ(editor.text(), "125");
    EXPECT_EQ(reactions.changes, 1);
    EXPECT_NE(std::find(reactions.log.begin(), reactions.log.end(), "press 22"),
              reactions.log.end());
    EXPECT_NE(std::find(reactions.log.begin(), reactions.log.end(), "press 13"),
              reactions.log.end());
}

TEST_F(EditorControlTest, ChangedOnlyForRealChanges) {
    editor.setText("12");
    editor.setText("12");
    editor.setText("");
    editor.setText("");
    EXPECT_EQ(reactions.changes, 2);
}

// The worksheet clears the grid cell in keyDown(46); the editor deletes afterwards.
TEST_F(EditorControlTest, DeleteDeletesAfterKeyDown) {
    typeIn("123", 1);
    QTest::keyClick(&editor, Qt::Key_Delete);
    EXPECT_EQ(reactions.log, (Log{"down 46 123", "changed 13", "up 46"}));

    typeIn("123", 3);
    QTest::keyClick(&editor, Qt::Key_Delete); // at the end: nothing to delete
    EXPECT_EQ(reactions.changes, 0);

    reactions.onKeyDown = [](int& code) { code = 0; };
    typeIn("123", 0);
    QTest::keyClick(&editor, Qt::Key_Delete);
    EXPECT_EQ(editor.text(), "123");
}

TEST_F(EditorControlTest, CaretKeysMoveAndSelect) {
    typeIn("12345", 5);
    EXPECT_EQ(editor.selectionStartIndex(), 5);
    EXPECT_EQ(editor.selectionLengthCount(), 0);
    QTest::keyClick(&editor, Qt::Key_Left);
    QTest::keyClick(&editor, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&editor, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(editor.selectionStartIndex(), 2);
    EXPECT_EQ(editor.selectionLengthCount(), 2);

    reactions.onKeyDown = [](int& code) {
        if (code == 36)
            code = 0;
    };
    QTest::keyClick(&editor, Qt::Key_Home);
    EXPECT_EQ(editor.selectionLengthCount(), 2);
}

TEST_F(EditorControlTest, KeyUpSkipsAutoRepeat) {
    QTest::sendKeyEvent(QTest::Release, &editor, Qt::Key_4, '4', Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_4, Qt::NoModifier, "4", true);
    QApplication::sendEvent(&editor, &repeat);
    EXPECT_EQ(reactions.log, (Log{"up 52"}));
}

// State: an active window with Ctrl shortcuts and F1, the editor focused. Action: the keys.
// Expected: the actions trigger and the editor's text stays; Tab moves the focus on.
// A plain line edit claims Ctrl+A everywhere and Ctrl+E, Ctrl+D under the X11 key scheme.
TEST(EditorControlShortcuts, WindowShortcutsAndTabPassTheEditor) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* editor = new EditorControl(TwipsScale(96.0), &window);
    auto* next = new EditorControl(TwipsScale(96.0), &window);
    layout->addWidget(editor);
    layout->addWidget(next);
    RecordingReactions reactions(*editor);
    editor->setReactions(&reactions);
    const QKeySequence keys[] = {QKeySequence(Qt::CTRL | Qt::Key_E),
                                 QKeySequence(Qt::CTRL | Qt::Key_D),
                                 QKeySequence(Qt::CTRL | Qt::Key_A), QKeySequence(Qt::Key_F1)};
    int triggered = 0;
    for (const QKeySequence& key : keys) {
        auto* action = new QAction(key.toString(), &window);
        action->setShortcut(key);
        window.addAction(action);
        QObject::connect(action, &QAction::triggered, [&triggered] { ++triggered; });
    }
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    editor->setFocus();
    ASSERT_TRUE(editor->hasFocus());
    QTest::keyClick(editor, Qt::Key_5);

    QTest::keyClick(editor, Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_F1);
    EXPECT_EQ(triggered, 4);
    EXPECT_EQ(editor->text(), "5");
    EXPECT_EQ(editor->selectionLengthCount(), 0);

    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
    editor->setReactions(nullptr);
}
