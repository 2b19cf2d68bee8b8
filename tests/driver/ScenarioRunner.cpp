#include "ScenarioRunner.h"

#include "EventSettling.h"
#include "ScenarioFailure.h"
#include "ScenarioOutput.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>

#include <utility>

ScenarioRunner::ScenarioRunner(std::vector<ScenarioCommand> script, RunCommand run,
                               EventSettling& settling)
    : ScenarioRunner(
          [script = std::move(script), next = std::size_t{0}]() mutable {
              return next < script.size() ? std::optional(script[next++]) : std::nullopt;
          },
          std::move(run), settling) {}

ScenarioRunner::ScenarioRunner(NextCommand next, RunCommand run, EventSettling& settling)
    : next_(std::move(next)), run_(std::move(run)), settling_(settling) {
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &ScenarioRunner::step);
    // An event loop about to wait for input inside a command is one that the command opened.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &ScenarioRunner::resumeIfNestedLoopWaits);
}

void ScenarioRunner::start() {
    timer_.start();
}

void ScenarioRunner::finish(int exitStatus) {
    if (finished_)
        return;
    finished_ = true;
    timer_.stop();
    QCoreApplication::exit(exitStatus);
}

// The program's own processing of pending events (which its reactions do) opens no loop;
// a dialog's or a menu's exec() does.
bool ScenarioRunner::insideNestedLoop() const {
    return !loopLevelAtStart_.empty() &&
           QThread::currentThread()->loopLevel() > loopLevelAtStart_.back();
}

bool ScenarioRunner::mayStartCommand() const {
    return !finished_ && (loopLevelAtStart_.empty() || (insideNestedLoop() && nestedLoopWaiting_));
}

void ScenarioRunner::resumeIfNestedLoopWaits() {
    if (finished_ || !insideNestedLoop())
        return;
    nestedLoopWaiting_ = true;
    if (!timer_.isActive())
        timer_.start();
}

void ScenarioRunner::step() {
    if (!mayStartCommand())
        return;
    // The step is under way from here: a loop opened by what start-up or the previous command
    // left pending runs the next command too.
    loopLevelAtStart_.push_back(QThread::currentThread()->loopLevel());
    nestedLoopWaiting_ = false;
    settling_.settle();
    std::optional<ScenarioCommand> command;
    if (!finished_)
        command = next_();
    if (!finished_ && !command)
        finish(0);
    if (!finished_)
        runCommand(*command);
    loopLevelAtStart_.pop_back();
    if (!finished_)
        timer_.start();
}

void ScenarioRunner::runCommand(const ScenarioCommand& command) {
    try {
        run_(command);
        settling_.settle();
    } catch (const ScenarioFailure& failure) {
        printError(QStringLiteral("line %1: %2").arg(command.line).arg(failure.message));
        finish(failure.exitStatus);
    }
}
