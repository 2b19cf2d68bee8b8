// valmora-scenario: runs the program on Qt's offscreen platform, feeds it the user input of
// a script as real Qt input events and prints what the user would see as JSON.

#include "app/ApplicationSetup.h"
#include "app/DisplayCheck.h"
#include "DriverOptions.h"
#include "EventSettling.h"
#include "ExactPointerPositions.h"
#include "OffscreenScreen.h"
#include "tests/support/RecordingPlatformServices.h"
#include "ScenarioActions.h"
#include "ScenarioOutput.h"
#include "ScenarioRunner.h"
#include "ScenarioScript.h"
#include "worksheet/controls/Twips.h"
#include "UserInput.h"
#include "app/ValmoraProgram.h"

#include <QApplication>
#include <QFile>
#include <QScreen>

#include <optional>

namespace {

constexpr int badCommandLine = 2;
constexpr int badScript = 2;

std::optional<QString> readScript(const QString& path) {
    QFile file;
    const bool opened = path.isEmpty() ? file.open(stdin, QIODevice::ReadOnly)
                                       : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened)
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

int runScript(const DriverOptions& options, std::vector<ScenarioCommand> script) {
    RecordingPlatformServices services(
        options.screenTwips.value_or(primaryScreenSizeTwips()),
        options.executablePath.value_or(QCoreApplication::applicationFilePath()));
    ScenarioRunner* runner = nullptr;
    EventSettling settling;
    const ExactPointerPositions exactPositions;
    UserInput input(settling, [&runner] { return runner->finished(); });
    // The program's end is reported, and nothing after it runs.
    services.setEndHandler([&runner] {
        printLine(QStringLiteral("{\"ended\":true}"));
        runner->finish(0);
    });

    ValmoraProgram program(services);
    ScenarioActions actions(program, services, input);
    ScenarioRunner scriptRunner(
        std::move(script), [&actions](const ScenarioCommand& command) { actions.run(command); },
        settling);
    runner = &scriptRunner;
    program.start();
    if (services.endRequested())
        return 0;
    scriptRunner.start();
    const int status = QApplication::exec();
    // The event loop ended on its own (the last window closed): the program has ended too.
    if (!scriptRunner.finished()) {
        printLine(QStringLiteral("{\"ended\":true}"));
        return 0;
    }
    return status;
}

// The screen size asked for, read before the application exists (the offscreen screen is
// set up from it); the options are read properly, with their errors, afterwards.
std::optional<QSizeF> requestedScreen(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const auto parsed = parseDriverOptions(arguments);
    if (const auto* options = std::get_if<DriverOptions>(&parsed))
        return options->screenTwips;
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    OffscreenScreen offscreenScreen;
    if (const std::optional<QSizeF> screen = requestedScreen(argc, argv))
        offscreenScreen.configure(*screen);
    exitCleanlyWithoutDisplay("valmora-scenario");
    QApplication application(argc, argv);
    restoreQtMessages();
    setUpApplication();

    const auto parsed = parseDriverOptions(QCoreApplication::arguments().mid(1));
    if (const auto* error = std::get_if<OptionsError>(&parsed)) {
        printError(QStringLiteral("valmora-scenario: ") + error->message);
        printError(driverUsage());
        return badCommandLine;
    }
    const DriverOptions& options = *std::get_if<DriverOptions>(&parsed);

    const std::optional<QString> text = readScript(options.scriptPath);
    if (!text) {
        printError(QStringLiteral("valmora-scenario: cannot read %1").arg(options.scriptPath));
        return badCommandLine;
    }
    ParsedScript script = parseScenario(*text);
    if (const auto* error = std::get_if<ScriptError>(&script)) {
        printError(QStringLiteral("line %1: %2").arg(error->line).arg(error->message));
        return badScript;
    }
    return runScript(options, std::move(*std::get_if<std::vector<ScenarioCommand>>(&script)));
}
