#include "SoakGenerator.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace {

// What a user may type: mostly what a number needs, then everything else a keyboard gives.
constexpr std::u16string_view kNumberCharacters = u"0123456789012345678901234567890123456789.,-";
constexpr std::u16string_view kOtherCharacters =
    u"+eE aZx&H%$/*=()'\"#;:!?~^_"
    u"\u0001\u0003\u0008\u0016\u0018\u001a\u001b\u007f" // Ctrl+A, C, H, V, X, Z, Escape, Delete
    u"\u00e9\u20ac\u00df\u00a0\u00bd\u2212\u65e5\u0661\u00b2"; // é € ß nbsp ½ − 日 ١ ²

constexpr std::array kKeys = {"Enter", "Enter", "Up",     "Down",      "Left",      "Right",
                              "Home",  "End",   "Delete", "Backspace", "Backspace", "Escape",
                              "F1",    "Tab",   "PageUp", "PageDown"};
constexpr std::array kControlLetters = {"Ctrl+A", "Ctrl+C", "Ctrl+V", "Ctrl+X", "Ctrl+Z", "Ctrl+E",
                                        "Ctrl+D", "Ctrl+H", "Ctrl+M", "Ctrl+Q", "Ctrl+T", "Ctrl+N"};
constexpr std::array kMouseButtons = {"left", "left", "right", "middle"};
constexpr std::array kMenus = {"mnuExit", "conversionsmenu", "Aboutmenu", "Helpmenu"};
// Exit System ends the program; it comes rarely, see menuChoice().
constexpr std::array kEntries = {"PEtoearnings",     "PEtoearnings", "yieldtodividends",
                                 "yieldtodividends", "infomenu",     "helpsubmenu",
                                 "mnuTechInfo"};
constexpr std::array kControls = {"Thegrid",  "Detailgrid", "Yieldlist",
                                  "Picture1", "Picture2",   "Picture3"};
constexpr std::array kScrollingControls = {"Yieldlist", "Yieldlist", "Detailgrid", "Thegrid"};
constexpr std::array kAnswers = {"no", "cancel", "ok", "no", "cancel", "yes"};
constexpr std::array kShortcuts = {"Ctrl+E", "Ctrl+D", "F1"};
constexpr std::array kDialogNumbers = {"12.5", "40",  "0",     "-3",   "2,5",
                                       "1e3",  "abc", "0.001", "1e39", "7"};

SoakAction line(QString text) {
    return SoakAction{std::move(text)};
}

} // namespace

int SoakGenerator::below(int bound) {
    return static_cast<int>(random_() % static_cast<std::uint64_t>(bound));
}

SoakAction SoakGenerator::next(const SoakView& view) {
    if (held_ == Held::Button)
        return whileButtonHeld();
    if (held_ == Held::Pad)
        return whilePadHeld();
    if (view.conversionsOpen)
        return conversionsAction();
    if (view.noticeOpen && chance(20))
        return line(QStringLiteral("notice-close"));
    return worksheetAction(view);
}

SoakAction SoakGenerator::worksheetAction(const SoakView& view) {
    const int roll = below(1000);
    if (roll < 280)
        return typeText(!chance(25));
    if (roll < 430)
        return namedKey();
    if (roll < 450) {
        SoakAction action = line(QStringLiteral("key ") + QLatin1String(oneOf(kControlLetters)));
        action.clears = action.line.endsWith(QLatin1String("Ctrl+N"));
        return action;
    }
    if (roll < 540)
        return line(QStringLiteral("click-cell %1 %2").arg(below(6)).arg(below(2)));
    if (roll < 560 && view.detailShown) {
        SoakAction action = line(QStringLiteral("click-detail %1 %2")
                                     .arg(below(std::clamp(view.detailRows, 1, 6)))
                                     .arg(below(5)));
        action.mayNotApply = true;
        return action;
    }
    if (roll < 610)
        return line(QStringLiteral("pick %1").arg(below(101)));
    if (roll < 640) {
        const char* control = oneOf(kControls);
        if (!view.detailShown && std::string_view(control) == "Detailgrid")
            control = "Yieldlist";
        return line(QStringLiteral("click-control %1 %2")
                        .arg(QLatin1String(control), QLatin1String(oneOf(kMouseButtons))));
    }
    if (roll < 660) {
        SoakAction action = line(QStringLiteral("click-scrollbar %1 %2")
                                     .arg(QLatin1String(oneOf(kScrollingControls)),
                                          QLatin1String(oneOf(kMouseButtons))));
        action.mayNotApply = true;
        return action;
    }
    if (roll < 750)
        return buttonClick();
    if (roll < 780)
        return buttonPress();
    if (roll < 810) {
        constexpr std::array kHovers = {"hover-hint", "hover-sheet"};
        return line(chance(60) ? QStringLiteral("hover %1").arg(below(6))
                               : QString::fromLatin1(oneOf(kHovers)));
    }
    if (roll < 830)
        return padPress();
    if (roll < 880)
        return drag();
    if (roll < 905)
        return line(QStringLiteral("menu ") + QLatin1String(oneOf(kMenus)));
    if (roll < 950)
        return menuChoice();
    if (roll < 970)
        return line(QStringLiteral("shortcut ") + QLatin1String(oneOf(kShortcuts)));
    if (roll < 990)
        return line(QStringLiteral("answer ") + QLatin1String(oneOf(kAnswers)));
    if (roll < 999 || chance(80))
        return line(QStringLiteral("pad-move %1 none").arg(padPoint()));
    // The program's end, now and then (about one action in 5,000): the soak starts it afresh.
    return line(chance(50) ? QStringLiteral("close-worksheet") : QStringLiteral("close-frame"));
}

SoakAction SoakGenerator::conversionsAction() {
    const int roll = below(100);
    if (roll < 30)
        return line(QStringLiteral("type ") + QLatin1String(oneOf(kDialogNumbers)));
    if (roll < 40)
        return typeText(false);
    if (roll < 55) {
        constexpr std::array kDialogKeys = {"Enter", "Tab", "Backspace", "Escape", "Delete"};
        return line(QStringLiteral("key ") + QLatin1String(oneOf(kDialogKeys)));
    }
    if (roll < 70)
        return line(QStringLiteral("dialog-focus %1").arg(below(2)));
    if (roll < 85) {
        SoakAction action = line(QStringLiteral("dialog-click 0"));
        action.convertsIfValid = true;
        return action;
    }
    if (roll < 92)
        return line(QStringLiteral("dialog-click 1"));
    if (roll < 96)
        return line(QStringLiteral("dialog-close"));
    // The worksheet behind the modal dialog takes no input.
    return line(QStringLiteral("click-cell %1 1").arg(1 + below(5)));
}

SoakAction SoakGenerator::whileButtonHeld() {
    const int roll = below(100);
    if (roll < 50) {
        held_ = Held::Nothing;
        SoakAction action = line(chance(30) ? QStringLiteral("release %1 outside").arg(below(6))
                                            : QStringLiteral("release %1").arg(below(6)));
        // The command is the pressed button's, wherever the pointer goes up.
        action.clears = heldElement_ == 0;
        action.computesFromCells = heldElement_ == 3 || heldElement_ == 4;
        action.computesIfReached = action.computesFromCells;
        return action;
    }
    if (roll < 75)
        return line(QStringLiteral("hover %1").arg(below(6)));
    if (roll < 85)
        return line(QStringLiteral("hover-sheet"));
    return typeText(true);
}

SoakAction SoakGenerator::whilePadHeld() {
    if (chance(30)) {
        held_ = Held::Nothing;
        return line(QStringLiteral("pad-release ") + padPoint());
    }
    SoakAction action = line(QStringLiteral("pad-move %1 %2").arg(padPoint(), heldButton_));
    // Pressed beside the pad, the button holds another control: the pad hears nothing.
    action.computesFromCells = heldOnPad_ && heldButton_ == QLatin1String("left");
    action.computesIfReached = action.computesFromCells;
    return action;
}

SoakAction SoakGenerator::typeText(bool numeric) {
    const std::u16string_view alphabet = numeric ? kNumberCharacters : kOtherCharacters;
    QString text;
    const int length = 1 + below(4);
    for (int i = 0; i < length; ++i)
        text += QChar(alphabet[static_cast<std::size_t>(below(static_cast<int>(alphabet.size())))]);
    return line(QStringLiteral("type ") + text);
}

SoakAction SoakGenerator::namedKey() {
    SoakAction action = line(QStringLiteral("key ") + QLatin1String(oneOf(kKeys)));
    action.movesFocus = action.line == QLatin1String("key Tab");
    return action;
}

SoakAction SoakGenerator::buttonClick() {
    const int element = below(6);
    // Close asks first; only an answer given beforehand ends the program.
    SoakAction action = line(QStringLiteral("button %1 %2").arg(element).arg(mouseButton()));
    action.clears = element == 0;
    action.computesFromCells = element == 3 || element == 4;
    action.computesIfReached = action.computesFromCells;
    return action;
}

SoakAction SoakGenerator::buttonPress() {
    held_ = Held::Button;
    heldElement_ = below(6);
    return line(QStringLiteral("press %1 %2").arg(heldElement_).arg(mouseButton()));
}

SoakAction SoakGenerator::padPress() {
    held_ = Held::Pad;
    heldButton_ = mouseButton();
    heldOnPad_ = !chance(10);
    const QString point = heldOnPad_ ? pointOnPad() : padPoint();
    return line(QStringLiteral("pad-press %1 %2").arg(point, heldButton_));
}

// A drag starts on the pad and may go anywhere from there.
SoakAction SoakGenerator::drag() {
    QString text = QStringLiteral("drag ") + pointOnPad();
    const int moves = 1 + below(4);
    for (int i = 0; i < moves; ++i)
        text += QLatin1Char(' ') + padPoint();
    SoakAction action = line(text);
    action.computesFromCells = true;
    action.computesIfReached = true;
    return action;
}

SoakAction SoakGenerator::menuChoice() {
    if (below(1000) == 0)
        return line(QStringLiteral("choose mnuExitsub"));
    return line(QStringLiteral("choose ") + QLatin1String(oneOf(kEntries)));
}

// Mostly on the pad (2220 by 5040 twips), sometimes just beside it, sometimes far away;
// now and then between pixels.
QString SoakGenerator::padPoint() {
    const int roll = below(10);
    int x = 0;
    int y = 0;
    if (roll < 7) {
        x = below(2221);
        y = below(5041);
    } else if (roll < 9) {
        x = below(3000) - 400;
        y = below(6000) - 500;
    } else {
        x = below(40001) - 20000;
        y = below(40001) - 20000;
    }
    if (chance(10))
        return QStringLiteral("%1.5 %2").arg(x).arg(y);
    return QStringLiteral("%1 %2").arg(x).arg(y);
}

// Well inside the pad's border, so that the press lands on the pad.
QString SoakGenerator::pointOnPad() {
    constexpr int margin = 40;
    return QStringLiteral("%1 %2")
        .arg(margin + below(2220 - 2 * margin))
        .arg(margin + below(5040 - 2 * margin));
}

QString SoakGenerator::mouseButton() {
    return QString::fromLatin1(oneOf(kMouseButtons));
}
