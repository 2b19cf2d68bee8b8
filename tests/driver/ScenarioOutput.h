#pragma once

#include <QString>

// One line on standard output, flushed at once so that a reader sees it even if the run
// goes wrong later.
void printLine(const QString& line);

// One line on standard error.
void printError(const QString& line);
