#pragma once

#include "ScenarioCommand.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class EventSettling;

// Runs a script's commands one by one from the event loop, and settles the program after
// each. The next command is started by a timer, never from inside the previous one's
// reactions: those process events themselves, and a command must not start while they run.
// The one exception is a modal dialog that a command has opened: its own event loop then
// runs the following commands until one of them closes it.
class ScenarioRunner : public QObject {
public:
    using RunCommand = std::function<void(const ScenarioCommand&)>;

    ScenarioRunner(std::vector<ScenarioCommand> script, RunCommand run, EventSettling& settling);

    // Starts the script once the event loop runs.
    void start();
    // Ends the run with `exitStatus`: no further command starts and the event loop exits.
    void finish(int exitStatus);
    bool finished() const { return finished_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step();
    bool mayStartCommand() const;

    std::vector<ScenarioCommand> script_;
    RunCommand run_;
    EventSettling& settling_;
    std::size_t next_ = 0;
    QTimer timer_;
    // For each command under way, innermost last: the modal dialog that was open as it began.
    std::vector<QPointer<QWidget>> modalAtStart_;
    bool finished_ = false;
};
