#pragma once

#include <QString>

struct ValuationState;
struct NumberLocale;
class PlatformServices;

// What the worksheet shares with the rest of the program; everything here outlives it.
struct WorksheetContext {
    ValuationState& valuation;
    const NumberLocale& locale;
    PlatformServices& services;
    // Where the help file is; start-up finds it once the worksheet exists.
    const QString& helpFile;
    // The title the platform knows the program by: the worksheet's message boxes carry it.
    QString messageTitle;
};
