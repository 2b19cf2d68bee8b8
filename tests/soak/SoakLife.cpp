#include "SoakLife.h"

#include "tests/driver/ControlNames.h"
#include "tests/driver/EventSettling.h"
#include "worksheet/controls/GridControl.h"
#include "tests/support/RecordingPlatformServices.h"
#include "tests/driver/ScenarioActions.h"
#include "tests/driver/ScenarioFailure.h"
#include "tests/driver/ScenarioRunner.h"
#include "tests/driver/ScenarioScript.h"
#include "SoakChecks.h"
#include "tests/driver/UserInput.h"
#include "worksheet/Valkubeform.h"
#include "app/ValmoraProgram.h"
#include "Watchdog.h"

#include <QApplication>
#include <QScreen>

#include <iostream>
#include <vector>

namespace {

constexpr long long memorySampleInterval = 1000;

SoakView look(const ValmoraProgram& program) {
    SoakView view;
    view.conversionsOpen = ControlNames::openWindow(ControlNames::conversionsDialog) != nullptr;
    view.noticeOpen = ControlNames::openWindow(ControlNames::noticeDialog) != nullptr;
    const GridControl& detail = program.worksheet().controls().Detailgrid;
    view.detailShown = detail.isVisible();
    view.detailRows = detail.rowCount();
    return view;
}

} // namespace

SoakLife::End SoakLife::live() {
    RecordingPlatformServices services(primaryScreenSizeTwips(),
                                       QCoreApplication::applicationFilePath());
    EventSettling settling;
    ScenarioRunner* runner = nullptr;
    UserInput input(settling, [&runner] { return runner->finished(); });
    bool ended = false;
    services.setEndHandler([&runner, &ended] {
        ended = true;
        runner->finish(0);
    });
    ValmoraProgram program(services);
    ScenarioActions actions(program, services, input);
    SoakChecks checks(program, services);
    // Indexed by the command's line; commands inside a dialog's loop are made up while the
    // command that opened it is still under way.
    std::vector<std::pair<SoakAction, SoakView>> made;
    firstAction_ = run_.generated;
    ++run_.programStarts;

    auto next = [&]() -> std::optional<ScenarioCommand> {
        if (run_.generated == run_.actions)
            return std::nullopt;
        const SoakView view = look(program);
        SoakAction action = run_.generator.next(view);
        ++run_.generated;
        lines_ << action.line;
        run_.setCurrent(action.line);
        if (run_.trace)
            std::cout << action.line.toStdString() << std::endl;
        ParsedScript parsed = parseScenario(action.line);
        auto* commands = std::get_if<std::vector<ScenarioCommand>>(&parsed);
        if (commands == nullptr || commands->size() != 1) {
            failure_ = QStringLiteral("the driver does not take the made-up line");
            runner->finish(1);
            return std::nullopt;
        }
        made.emplace_back(std::move(action), view);
        ScenarioCommand command = commands->front();
        command.line = static_cast<int>(made.size());
        return command;
    };

    auto runChecked = [&](const ScenarioCommand& command) {
        const auto [action, before] = made[static_cast<std::size_t>(command.line - 1)];
        try {
            actions.run(command);
            if (runner->finished())
                return;
            settling.settle();
            if (runner->finished())
                return;
            checks.afterAction(action, before);
            ++run_.done;
            watchdog_.beat();
            if (run_.done % memorySampleInterval == 0)
                run_.memory.sample(run_.done);
        } catch (const ScenarioFailure& refused) {
            // Refused before any input was given: the line is left out of the script.
            if (action.mayNotApply) {
                lines_[static_cast<qsizetype>(command.line - 1)].prepend(QStringLiteral("# "));
                return;
            }
            failure_ =
                QStringLiteral("the driver could not carry out the action: ") + refused.message;
            runner->finish(1);
        } catch (const SoakFailure& broken) {
            failure_ = QString::fromStdString(broken.what());
            runner->finish(1);
        }
    };

    ScenarioRunner scriptRunner(next, runChecked, settling);
    runner = &scriptRunner;
    program.start();
    scriptRunner.start();
    QApplication::exec();
    run_.checked.focusChecked += checks.counts().focusChecked;
    run_.checked.recomputed += checks.counts().recomputed;
    run_.checked.emptyAfterClear += checks.counts().emptyAfterClear;
    if (!failure_.isEmpty())
        return End::Failed;
    return ended ? End::ProgramEnded : End::ActionsDone;
}

QString SoakLife::script() const {
    QString text = QStringLiteral("# valmora-soak, seed %1: actions %2 to %3 of the run, from "
                                  "the program's start; the last one fails:\n# %4\n")
                       .arg(run_.seed)
                       .arg(firstAction_ + 1)
                       .arg(firstAction_ + lines_.size())
                       .arg(failure_);
    for (const QString& line : lines_)
        text += line + QLatin1Char('\n');
    return text + QStringLiteral("show\n");
}
