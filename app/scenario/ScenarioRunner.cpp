#include "ScenarioRunner.h"

#include "EventSettling.h"
#include "ScenarioFailure.h"
#include "ScenarioOutput.h"

#include <QApplication>
#include <QEvent>

#include <utility>

ScenarioRunner::ScenarioRunner(std::vector<ScenarioCommand> script, RunCommand run,
                               EventSettling& settling)
    : script_(std::move(script)), run_(std::move(run)), settling_(settling) {
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &ScenarioRunner::step);
    // When a modal dialog opens, the script goes on inside its loop.
    qApp->installEventFilter(this);
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

bool ScenarioRunner::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && !finished_ && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->isModal())
            timer_.start();
    }
    return QObject::eventFilter(watched, event);
}

bool ScenarioRunner::mayStartCommand() const {
    if (finished_)
        return false;
    // Inside a running command only a modal dialog opened since it began lets the next one in.
    return modalAtStart_.empty() || QApplication::activeModalWidget() != modalAtStart_.back();
}

void ScenarioRunner::step() {
    if (!mayStartCommand())
        return;
    // What start-up or the previous command left pending comes first.
    settling_.settle();
    if (finished_)
        return;
    if (next_ == script_.size()) {
        finish(0);
        return;
    }
    const ScenarioCommand& command = script_[next_++];
    modalAtStart_.emplace_back(QApplication::activeModalWidget());
    try {
        run_(command);
        settling_.settle();
    } catch (const ScenarioFailure& failure) {
        printError(QStringLiteral("line %1: %2").arg(command.line).arg(failure.message));
        finish(failure.exitStatus);
    }
    modalAtStart_.pop_back();
    if (!finished_)
        timer_.start();
}
