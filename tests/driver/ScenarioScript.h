#pragma once

#include "ScenarioCommand.h"

#include <QString>

#include <variant>
#include <vector>

// What is wrong with a script, and on which line (counted from 1).
struct ScriptError {
    int line = 0;
    QString message;
};

using ParsedScript = std::variant<std::vector<ScenarioCommand>, ScriptError>;

// Reads a whole script: one command a line, blank lines and lines starting with '#'
// (after blanks) ignored, words separated by single blanks. Every command and argument is
// checked before anything runs; the first bad line is the error.
ParsedScript parseScenario(const QString& script);
