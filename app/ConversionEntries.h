#pragma once

class QAction;

// The two menu entries that open the conversions dialog. The menus belong to the frame; the
// worksheet only makes these two available or unavailable by the parameter grid's current
// row (and the clear command offers the dividends conversion again).
struct ConversionEntries {
    QAction* peToEarnings = nullptr;
    QAction* yieldToDividends = nullptr;

    // Offers only the entry that fits `row`: earnings for the earnings row, dividends for the
    // dividends row, neither elsewhere.
    void offerForRow(int row) const;
    void offerYieldToDividends() const;
};
