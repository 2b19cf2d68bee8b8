// valmora-soak ACTIONS [SEED] [--failure-script PATH] [--trace]
//
// Feeds the program ACTIONS random user actions made up from SEED (a random seed when none
// is given; it is printed either way) and checks after each one the invariants a user
// relies on (SoakChecks). When the program ends, a fresh one starts and the run goes on.
// A broken invariant, a hang or unbounded memory growth fails the run; the seed is printed,
// and the actions since the failing program's start are written as a scenario script that
// valmora-scenario runs on its own.
//
// The program runs in this process under the scenario driver's runner and input, and the
// state is read in-process: no process start, script file or JSON pipe per action.

#include "app/ApplicationSetup.h"
#include "app/DisplayCheck.h"
#include "SoakChecks.h"
#include "SoakLife.h"
#include "Watchdog.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

namespace {

constexpr auto hangPatience = std::chrono::seconds(120);

QtMessageHandler qtMessages = nullptr;

// The offscreen platform says so each time a menu opens; that is no news here.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (qtMessages != nullptr)
        qtMessages(type, context, text);
    else
        std::cerr << qFormatLogMessage(type, context, text).toStdString() << std::endl;
}

struct SoakOptions {
    long long actions = 0;
    std::uint64_t seed = 0;
    QString failureScript;
    bool trace = false;
};

std::optional<SoakOptions> parseOptions(const QStringList& arguments) {
    SoakOptions options;
    QStringList numbers;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--failure-script") && i + 1 < arguments.size())
            options.failureScript = arguments[++i];
        else if (arguments[i] == QLatin1String("--trace"))
            options.trace = true;
        else
            numbers << arguments[i];
    }
    bool actionsRead = false;
    if (numbers.isEmpty() || numbers.size() > 2)
        return std::nullopt;
    options.actions = numbers[0].toLongLong(&actionsRead);
    if (!actionsRead || options.actions < 1)
        return std::nullopt;
    if (numbers.size() == 2) {
        bool seedRead = false;
        options.seed = numbers[1].toULongLong(&seedRead);
        if (!seedRead)
            return std::nullopt;
    } else {
        options.seed = std::random_device{}();
    }
    if (options.failureScript.isEmpty())
        options.failureScript = QStringLiteral("soak-failure-%1.scenario").arg(options.seed);
    return options;
}

std::string memoryReport(const ResidentMemory& memory) {
    if (!ResidentMemory::measured)
        return "resident memory not measured under AddressSanitizer";
    return "resident memory " + std::to_string(memory.baseline().value_or(0) >> 20) +
           " MiB after the warm-up, " + std::to_string(memory.halfway().value_or(0) >> 20) +
           " MiB halfway, " + std::to_string(memory.last() >> 20) + " MiB at the end";
}

void reportFailure(const SoakOptions& options, const SoakRun& run, const SoakLife& life) {
    std::cerr << "valmora-soak: FAILED at action " << run.generated << " of seed " << run.seed
              << ": " << life.failure().toStdString()
              << "\n  after: " << life.script().section(QLatin1Char('\n'), -3, -3).toStdString()
              << "\n  repeat: scripts/soak.sh " << options.actions << ' ' << run.seed << '\n';
    QFile file(options.failureScript);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        file.write(life.script().toUtf8());
        std::cerr << "  this program's actions: " << options.failureScript.toStdString()
                  << " (run it with valmora-scenario)\n";
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    exitCleanlyWithoutDisplay("valmora-soak");
    QApplication application(argc, argv);
    restoreQtMessages();
    qtMessages = qInstallMessageHandler(quietPlatformNotes);
    setUpApplication();
    // The soak itself ends each program; a closed last window must not end the soak.
    QApplication::setQuitOnLastWindowClosed(false);

    const std::optional<SoakOptions> options = parseOptions(QCoreApplication::arguments().mid(1));
    if (!options) {
        std::cerr << "usage: valmora-soak ACTIONS [SEED] [--failure-script PATH] [--trace]\n";
        return 2;
    }
    SoakRun run(options->seed, options->actions);
    run.trace = options->trace;
    std::cout << "valmora-soak: seed " << run.seed << ", " << run.actions
              << " actions (repeat: scripts/soak.sh " << run.actions << ' ' << run.seed << ")"
              << std::endl;

    Watchdog watchdog(hangPatience, [&run] {
        std::cerr << "valmora-soak: FAILED: no answer for " << hangPatience.count()
                  << " s after action " << run.done << " of seed " << run.seed
                  << ", during: " << run.currentLine().toStdString() << std::endl;
        std::_Exit(3);
    });
    while (true) {
        SoakLife life(run, watchdog);
        const SoakLife::End end = life.live();
        if (end == SoakLife::End::Failed) {
            reportFailure(*options, run, life);
            return 1;
        }
        run.generator.restart();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (end == SoakLife::End::ActionsDone)
            break;
    }
    try {
        run.memory.checkLevelledOff();
    } catch (const SoakFailure& growth) {
        std::cerr << "valmora-soak: FAILED: " << growth.what() << " (seed " << run.seed << ")\n";
        return 1;
    }
    std::cout << "valmora-soak: passed, " << run.done << " actions checked, " << run.programStarts
              << " program starts; " << memoryReport(run.memory) << "; focus in the editor "
              << run.checked.focusChecked << " times, value recomputed from the cells "
              << run.checked.recomputed << " times, empty after Clear "
              << run.checked.emptyAfterClear << " times" << std::endl;
    return 0;
}
