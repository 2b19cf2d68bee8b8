#pragma once

struct ValuationState;
struct NumberLocale;
struct ProgramRecords;
class PlatformServices;

// What the worksheet shares with the rest of the program; everything here outlives it.
struct WorksheetContext {
    ValuationState& valuation;
    const NumberLocale& locale;
    ProgramRecords& records;
    PlatformServices& services;
};
