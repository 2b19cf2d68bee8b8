#pragma once

#include "NumberLocale.h"
#include "ProgramRecords.h"
#include "ValuationState.h"

#include <memory>

class PlatformServices;
class Valkubeform;
class WorksheetStartup;

// The system locale's decimal and grouping characters.
NumberLocale systemNumberLocale();

// The running program: the process-wide records and the worksheet, created fresh for each
// program (so that tests never share state) and brought up by start(), the one start-up path
// of both the program and the scenario driver.
class ValmoraProgram {
public:
    // The number locale defaults to the system's; tests pass one of their own.
    explicit ValmoraProgram(PlatformServices& services, NumberLocale locale = systemNumberLocale());
    ~ValmoraProgram();

    // Loads the worksheet; its first activation follows from the event loop.
    void start();

    Valkubeform& worksheet() const { return *worksheet_; }
    ValuationState& valuation() { return valuation_; }
    ProgramRecords& records() { return records_; }
    const NumberLocale& locale() const { return locale_; }

private:
    PlatformServices& services_;
    ValuationState valuation_;
    ProgramRecords records_;
    NumberLocale locale_;
    std::unique_ptr<Valkubeform> worksheet_;
    std::unique_ptr<WorksheetStartup> startup_;
};
