#pragma once

#include "ScenarioCommand.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

class EventSettling;

// Runs a script's commands one by one from the event loop, and settles the program after
// each. The next command is started by a timer, never from inside the previous one's
// reactions: those process events themselves, and a command must not start while they run.
// The one exception is an event loop that a command has opened (a modal dialog's, a popup
// menu's, any other): as soon as it waits for input, it runs the following commands until
// one of them closes it. So whatever the program opens, the script goes on and never hangs.
class ScenarioRunner : public QObject {
public:
    using RunCommand = std::function<void(const ScenarioCommand&)>;
    // The next command, or nullopt at the end of the script.
    using NextCommand = std::function<std::optional<ScenarioCommand>()>;

    ScenarioRunner(std::vector<ScenarioCommand> script, RunCommand run, EventSettling& settling);
    // Commands made up as the run goes (a generator that looks at the program first).
    ScenarioRunner(NextCommand next, RunCommand run, EventSettling& settling);

    // Starts the script once the event loop runs.
    void start();
    // Ends the run with `exitStatus`: no further command starts and the event loop exits.
    void finish(int exitStatus);
    bool finished() const { return finished_; }

private:
    void step();
    void runCommand(const ScenarioCommand& command);
    bool insideNestedLoop() const;
    bool mayStartCommand() const;
    void resumeIfNestedLoopWaits();

    NextCommand next_;
    RunCommand run_;
    EventSettling& settling_;
    QTimer timer_;
    // For each command under way, innermost last: the event-loop level at which it began.
    std::vector<int> loopLevelAtStart_;
    // A loop opened by a command has waited for input since the last command began: it is
    // not on its way out.
    bool nestedLoopWaiting_ = false;
    bool finished_ = false;
};
