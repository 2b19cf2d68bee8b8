#pragma once

#include "DriverRun.h"
#include "ExpectationScript.h"

#include <QString>

#include <vector>

// One thing that did not turn out as the script expects. `line` is the script line the
// failure belongs to (0 for the run as a whole); `actual` is the whole printed state of the
// show concerned, given with the first failure of each show.
struct CheckFailure {
    int line = 0;
    QString message;
    QString actual;
};

std::vector<CheckFailure> checkRun(const ScenarioExpectations& expectations, const DriverRun& run);
