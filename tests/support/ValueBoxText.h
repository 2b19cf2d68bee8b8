#pragma once

#include "engine/NumberLocale.h"

#include <optional>
#include <string_view>

// Reads back what a computation may leave in the value box, so that checkers can tell a
// proper text from a broken one: one of the five messages, the bare "0", or a value in
// "Standard" (grouped, two decimals) or "#,###" (grouped, no decimals) with the locale's
// separators and optionally the note " (No dividends)". The grouping must be exact (groups of
// three after the first), there are no leading zeros, a value that shows as zero carries no
// minus sign, and the form fits the band: whole numbers from 30 on, two decimals below.

bool isValuationMessage(std::string_view text);

// A number as "Standard" (decimals 2) or "#,###" (decimals 0) writes it: optional minus,
// exactly grouped integer digits without leading zeros, and exactly `decimals` decimals.
// nullopt for any other text, and for "-0.00", which neither format writes.
std::optional<double> readFormattedNumber(std::string_view text, int decimals,
                                          const NumberLocale& locale);

struct ShownValue {
    double number = 0.0;
    int decimals = 0;         // 2 for "Standard", 0 for "#,###" and the bare "0"
    bool noDividends = false; // followed by " (No dividends)"
};

// nullopt for anything that is not a shown value (messages included).
std::optional<ShownValue> readShownValue(std::string_view text, const NumberLocale& locale);

// A message or a shown value.
bool isValueBoxText(std::string_view text, const NumberLocale& locale);
