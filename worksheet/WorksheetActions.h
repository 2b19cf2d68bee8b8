#pragma once

#include "engine/Valuation.h"

// What a reaction asks of the worksheet as a whole, beyond the controls it holds. The
// window answers; a reaction never sees the window itself.
class WorksheetActions {
public:
    // ComputeValuation: hides the detail table, makes the value column current, values the
    // five parameter cells, stores the figures and shows the value or a message.
    virtual ValuationOutcome computeValuation() = 0;
    virtual void hideDetailTable() = 0;

    // Holdcalc is 1 while the program itself moves between rows (Enter, arrow keys) and
    // while the yield list resets itself: an editor change then does not recalculate and a
    // yield pick is ignored. The first digit typed sets it back to 0.
    virtual int Holdcalc() const = 0;
    virtual void setHoldcalc(int value) = 0;

    // Clear has emptied the worksheet: the dividends conversion is offered again.
    virtual void announceCleared() = 0;

protected:
    ~WorksheetActions() = default;
};
