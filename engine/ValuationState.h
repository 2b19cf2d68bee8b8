#pragma once

// The figures of the last valuation, single precision as the computation stores them.
// One record lives for the whole run (owned by the application object); every computation
// reads the parameter grid again and overwrites the five parameter fields.
struct ValuationState {
    float earnings = 0.0f;
    float dividends = 0.0f;
    float growthPercent = 0.0f;
    float termYears = 0.0f;
    float yieldPercent = 0.0f;
    float theoreticValue = 0.0f;
};
