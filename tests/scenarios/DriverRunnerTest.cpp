// The runner's order of events: commands run one after the other from the event loop, never
// inside the reactions of the one before, except inside an event loop that a command opened
// (a modal dialog's, a popup menu's): there the script goes on.

#include "tests/driver/EventSettling.h"
#include "tests/driver/ScenarioFailure.h"
#include "tests/driver/ScenarioRunner.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// A script of `count` commands; command n (its line) runs steps[n] if there is one.
class DriverRunner : public testing::Test {
protected:
    int run(int count) {
        std::vector<ScenarioCommand> script(static_cast<std::size_t>(count));
        for (int line = 1; line <= count; ++line)
            script[static_cast<std::size_t>(line - 1)].line = line;
        ScenarioRunner runner(
            std::move(script),
            [this](const ScenarioCommand& command) {
                log.push_back(std::to_string(command.line));
                if (auto step = steps.find(command.line); step != steps.end())
                    step->second();
            },
            settling);
        current = &runner;
        runner.start();
        const int status = QApplication::exec();
        current = nullptr;
        return status;
    }

    // Should the runner stall inside a nested loop, `end` leaves it after a while, so that the
    // test fails with "stalled" in its log instead of hanging.
    void endIfStalled(QObject& owner, std::function<void()> end) {
        QTimer::singleShot(20000, &owner, [this, end = std::move(end)] {
            log.push_back("stalled");
            end();
        });
    }

    EventSettling settling;
    std::map<int, std::function<void()>> steps;
    std::vector<std::string> log;
    ScenarioRunner* current = nullptr;
};

TEST_F(DriverRunner, RunsEveryCommandInOrderAndEndsWithStatusZero) {
    EXPECT_EQ(run(3), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(DriverRunner, ANextCommandNeverStartsInsideTheReactionsOfThePrevious) {
    steps[1] = [this] {
        // A reaction that shows a modal window and takes it down again before the event loop
        // runs, then processes events itself as the program's reactions do: the next command
        // still waits for its end.
        QDialog dialog;
        dialog.setModal(true);
        dialog.show();
        dialog.hide();
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        settling.settle();
        log.push_back("1 done");
    };
    EXPECT_EQ(run(2), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"1", "1 done", "2"}));
}

// Commands made up as the run goes are asked for one at a time, each once the one before has
// run (inside a dialog that the one before opened, too), and the run ends when none comes.
TEST_F(DriverRunner, MadeUpCommandsAreAskedForOneAtATime) {
    int made = 0;
    QDialog* open = nullptr;
    ScenarioRunner runner(
        [this, &made]() -> std::optional<ScenarioCommand> {
            log.push_back("next");
            if (made == 4)
                return std::nullopt;
            ScenarioCommand command;
            command.line = ++made;
            return command;
        },
        [this, &open](const ScenarioCommand& command) {
            log.push_back(std::to_string(command.line));
            if (command.line == 2) {
                QDialog dialog;
                open = &dialog;
                dialog.exec();
                log.push_back("dialog closed");
            }
            if (command.line == 3)
                open->accept();
        },
        settling);
    runner.start();
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"next", "1", "next", "2", "next", "3", "dialog closed",
                                             "next", "4", "next"}));
}

TEST_F(DriverRunner, AModalDialogRunsTheFollowingCommandsInItsOwnLoop) {
    QDialog* open = nullptr;
    steps[1] = [this, &open] {
        QDialog dialog;
        open = &dialog;
        dialog.exec();
        open = nullptr;
        log.push_back("dialog closed");
    };
    steps[2] = [this] {
        log.push_back(QApplication::activeModalWidget() != nullptr ? "inside" : "outside");
    };
    steps[3] = [&open] { open->accept(); };
    steps[4] = [this] {
        log.push_back(QApplication::activeModalWidget() == nullptr ? "gone" : "still open");
    };
    EXPECT_EQ(run(4), 0);
    EXPECT_EQ(log,
              (std::vector<std::string>{"1", "2", "inside", "3", "dialog closed", "4", "gone"}));
}

TEST_F(DriverRunner, APopupMenuRunsTheFollowingCommandsInItsOwnLoop) {
    QMenu* open = nullptr;
    steps[1] = [this, &open] {
        QMenu menu;
        menu.addAction(QStringLiteral("Entry"));
        open = &menu;
        endIfStalled(menu, [&menu] { menu.close(); });
        menu.exec(QPoint(10, 10));
        open = nullptr;
        log.push_back("menu closed");
    };
    steps[2] = [this] {
        log.push_back(QApplication::activePopupWidget() != nullptr ? "inside" : "outside");
    };
    steps[3] = [&open] {
        if (open != nullptr)
            open->close();
    };
    steps[4] = [this] {
        log.push_back(QApplication::activePopupWidget() == nullptr ? "gone" : "still open");
    };
    EXPECT_EQ(run(4), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"1", "2", "inside", "3", "menu closed", "4", "gone"}));
}

TEST_F(DriverRunner, AnyEventLoopThatACommandOpensRunsTheFollowingCommands) {
    QEventLoop* nested = nullptr;
    steps[1] = [this, &nested] {
        QEventLoop loop;
        nested = &loop;
        endIfStalled(loop, [&loop] { loop.quit(); });
        loop.exec();
        nested = nullptr;
        log.push_back("loop ended");
    };
    steps[2] = [&nested] {
        if (nested != nullptr)
            nested->quit();
    };
    EXPECT_EQ(run(3), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"1", "2", "loop ended", "3"}));
}

// The end of the script, or of the program, leaves every loop a command has opened.
TEST_F(DriverRunner, TheScriptMayEndInsideANestedLoop) {
    steps[1] = [this] {
        QEventLoop loop;
        endIfStalled(loop, [&loop] { loop.quit(); });
        loop.exec();
        log.push_back("loop ended");
    };
    EXPECT_EQ(run(2), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"1", "2", "loop ended"}));
}

TEST_F(DriverRunner, AFailureEndsTheRunWithItsStatus) {
    steps[2] = [] { rejectArgument(QStringLiteral("no such cell")); };
    EXPECT_EQ(run(3), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"1", "2"}));
}

TEST_F(DriverRunner, TheProgramsEndStopsTheScript) {
    steps[1] = [this] { current->finish(0); };
    EXPECT_EQ(run(3), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"1"}));
}

} // namespace
