#pragma once

#include <QString>

// A command that cannot be carried out. Thrown by the commands and caught by the runner,
// which reports it with the command's line and ends the run with `exitStatus`: 2 for an
// argument that does not fit the program (a cell the grid does not have), 1 for anything
// else (a window that is not open).
struct ScenarioFailure {
    int exitStatus = 1;
    QString message;
};

[[noreturn]] inline void failScenario(const QString& message) {
    throw ScenarioFailure{1, message};
}

[[noreturn]] inline void rejectArgument(const QString& message) {
    throw ScenarioFailure{2, message};
}
