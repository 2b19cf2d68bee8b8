// The generator's lines: the same seed repeats a run, the driver takes every line, and the
// actions that need something open come only while it is.

#include "SoakGenerator.h"
#include "tests/driver/ScenarioScript.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

namespace {

// A run of `count` actions against views that change at random, as a program's would.
std::vector<SoakAction> makeUp(std::uint64_t seed, int count) {
    SoakGenerator generator(seed);
    std::mt19937 views(7);
    std::vector<SoakAction> actions;
    for (int i = 0; i < count; ++i) {
        SoakView view;
        view.conversionsOpen = views() % 5 == 0;
        view.noticeOpen = views() % 7 == 0;
        view.detailShown = views() % 3 == 0;
        view.detailRows = view.detailShown ? 3 + static_cast<int>(views() % 20) : 2;
        actions.push_back(generator.next(view));
    }
    return actions;
}

QString commandName(const SoakAction& action) {
    return action.line.section(QLatin1Char(' '), 0, 0);
}

TEST(SoakGenerator, SameSeedSameRunOtherSeedOtherRun) {
    const auto first = makeUp(42, 500);
    const auto again = makeUp(42, 500);
    const auto other = makeUp(43, 500);
    for (std::size_t i = 0; i < first.size(); ++i)
        ASSERT_EQ(first[i].line, again[i].line) << "action " << i;
    int same = 0;
    for (std::size_t i = 0; i < first.size(); ++i)
        same += first[i].line == other[i].line ? 1 : 0;
    EXPECT_LT(same, 100);
}

TEST(SoakGenerator, TheDriverTakesEveryLine) {
    std::set<QString> commands;
    for (const SoakAction& action : makeUp(1, 100000)) {
        const ParsedScript parsed = parseScenario(action.line);
        if (const auto* error = std::get_if<ScriptError>(&parsed))
            FAIL() << action.line.toStdString() << ": " << error->message.toStdString();
        ASSERT_EQ(std::get<std::vector<ScenarioCommand>>(parsed).size(), 1u)
            << action.line.toStdString();
        commands.insert(commandName(action));
    }
    // Every kind of user input comes up.
    for (const char* command : {"type",
                                "key",
                                "click-cell",
                                "click-detail",
                                "pick",
                                "click-control",
                                "click-scrollbar",
                                "button",
                                "press",
                                "release",
                                "hover",
                                "hover-hint",
                                "hover-sheet",
                                "pad-press",
                                "pad-move",
                                "pad-release",
                                "drag",
                                "menu",
                                "choose",
                                "shortcut",
                                "answer",
                                "dialog-focus",
                                "dialog-click",
                                "dialog-close",
                                "notice-close",
                                "close-worksheet",
                                "close-frame"})
        EXPECT_TRUE(commands.contains(QString::fromLatin1(command))) << command;
}

// A button held down is let go before anything but moves and typing; the release carries
// the pressed button's command, wherever the pointer goes up.
TEST(SoakGenerator, HeldButtonsAreReleasedBeforeOtherActions) {
    const auto actions = makeUp(3, 20000);
    QString held;
    int pressedElement = -1;
    int releases = 0;
    for (const SoakAction& action : actions) {
        const QString name = commandName(action);
        if (!held.isEmpty()) {
            const QStringList allowed = held == QLatin1String("press")
                                            ? QStringList{"release", "hover", "hover-sheet", "type"}
                                            : QStringList{"pad-move", "pad-release"};
            ASSERT_TRUE(allowed.contains(name))
                << "after " << held.toStdString() << ": " << action.line.toStdString();
        }
        if (name == QLatin1String("press") || name == QLatin1String("pad-press"))
            held = name;
        if (name == QLatin1String("press"))
            pressedElement = action.line.section(QLatin1Char(' '), 1, 1).toInt();
        if (name == QLatin1String("release")) {
            // What to expect follows the element pressed, not the one released over.
            EXPECT_EQ(action.clears, pressedElement == 0) << action.line.toStdString();
            EXPECT_EQ(action.computesFromCells, pressedElement == 3 || pressedElement == 4);
            ++releases;
        }
        if (name == QLatin1String("release") || name == QLatin1String("pad-release"))
            held.clear();
    }
    EXPECT_GT(releases, 50);
}

TEST(SoakGenerator, DialogInputOnlyWhileTheDialogIsOpen) {
    SoakGenerator generator(5);
    SoakView closed;
    SoakView open;
    open.conversionsOpen = true;
    for (int i = 0; i < 5000; ++i) {
        const SoakAction worksheet = generator.next(closed);
        EXPECT_FALSE(commandName(worksheet).startsWith(QLatin1String("dialog-")))
            << worksheet.line.toStdString();
        EXPECT_NE(commandName(worksheet), QLatin1String("notice-close"));
        const SoakAction dialog = generator.next(open);
        EXPECT_FALSE(commandName(dialog) == QLatin1String("choose") ||
                     commandName(dialog) == QLatin1String("menu"))
            << dialog.line.toStdString();
    }
}

} // namespace
