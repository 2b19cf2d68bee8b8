#include "worksheet/controls/KeyCodes.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    int keyCode;
    int charCode; // -1: types no character
};

void PrintTo(const KeyCase& keyCase, std::ostream* out) {
    *out << keyCase.name;
}

class KeyCodesTest : public ::testing::TestWithParam<KeyCase> {};

const KeyCase keyCases[] = {
    {"Digit", Qt::Key_7, Qt::NoModifier, "7", 55, 55},
    {"Letter", Qt::Key_A, Qt::NoModifier, "a", 65, 97},
    {"ShiftedLetter", Qt::Key_A, Qt::ShiftModifier, "A", 65, 65},
    {"ShiftedDigitIsTheDigitKey", Qt::Key_Exclam, Qt::ShiftModifier, "!", 49, 33},
    {"Comma", Qt::Key_Comma, Qt::NoModifier, ",", 188, 44},
    {"Minus", Qt::Key_Minus, Qt::NoModifier, "-", 189, 45},
    {"Period", Qt::Key_Period, Qt::NoModifier, ".", 190, 46},
    {"KeypadDigit", Qt::Key_5, Qt::KeypadModifier, "5", 101, 53},
    {"KeypadPoint", Qt::Key_Period, Qt::KeypadModifier, ".", 110, 46},
    {"Enter", Qt::Key_Return, Qt::NoModifier, "\r", 13, 13},
    {"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier, "\r", 13, 13},
    {"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", 8, 8},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", 27, 27},
    {"DeleteTypesNothing", Qt::Key_Delete, Qt::NoModifier, "\x7f", 46, -1},
    {"Print", Qt::Key_Print, Qt::NoModifier, "", 44, -1},
    {"UpArrow", Qt::Key_Up, Qt::NoModifier, "", 38, -1},
    {"DownArrow", Qt::Key_Down, Qt::NoModifier, "", 40, -1},
    {"Home", Qt::Key_Home, Qt::NoModifier, "", 36, -1},
    {"F1", Qt::Key_F1, Qt::NoModifier, "", 112, -1},
    {"F12", Qt::Key_F12, Qt::NoModifier, "", 123, -1},
    // Test keyboards send "v", real ones "\x16"; both are Ctrl+V.
    {"CtrlVWithLetterText", Qt::Key_V, Qt::ControlModifier, "v", 86, 22},
    {"CtrlVWithControlText", Qt::Key_V, Qt::ControlModifier, "\x16", 86, 22},
    {"CtrlDigitTypesNothing", Qt::Key_1, Qt::ControlModifier, "1", 49, -1},
    {"AltLetterTypesNothing", Qt::Key_F, Qt::AltModifier, "f", 70, -1},
    {"AltGrTypesItsText", Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, "\u20ac", 69, 0x20ac},
    {"UnknownKeyWithText", 0x0430, Qt::NoModifier, "\u0430", 0, 0x0430},
};

} // namespace

TEST_P(KeyCodesTest, MapsLikeTheOldPlatform) {
    const KeyCase& c = GetParam();
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
    EXPECT_EQ(windowsKeyCode(event), c.keyCode);
    EXPECT_EQ(characterCode(event), c.charCode);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyCodesTest, ::testing::ValuesIn(keyCases),
                         [](const ::testing::TestParamInfo<KeyCase>& info) {
                             return std::string(info.param.name);
                         });
