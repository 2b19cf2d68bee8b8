#pragma once

#include "DialogInput.h"
#include "MenuInput.h"

struct ScenarioCommand;
class RecordingPlatformServices;
class UserInput;
class ValmoraProgram;
class QWidget;

// Carries out one command of a script on the running program.
class ScenarioActions {
public:
    ScenarioActions(ValmoraProgram& program, RecordingPlatformServices& services, UserInput& input);

    // Throws ScenarioFailure when the command cannot be carried out.
    void run(const ScenarioCommand& command);

private:
    void runPointer(const ScenarioCommand& command);
    void runPad(const ScenarioCommand& command);
    void runWindow(const ScenarioCommand& command);
    void closeWorksheet();
    void closeWindow(QWidget& window);

    ValmoraProgram& program_;
    RecordingPlatformServices& services_;
    UserInput& input_;
    MenuInput menus_;
    DialogInput dialogs_;
};
