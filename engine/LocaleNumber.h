#pragma once

#include "Currency.h"
#include "NumberLocale.h"

#include <optional>
#include <string_view>

// The locale's number conversion, used to read shown cell texts back and to test editor
// input: optional blanks around, an optional sign, digits, the locale's group separator
// after a digit of the integer part (laxly placed: "1,5" is a number in an English locale,
// and so is "1," on the way to "1,000"), optionally the decimal separator and more digits, at least
// one digit in all, and optionally an exponent (E or e, optional sign, digits). Anything else, or a
// magnitude beyond the double range, gives nullopt.
std::optional<double> readLocaleNumber(std::string_view text, const NumberLocale& locale);

// The same text read exactly into a money amount (rounded to ten-thousandths); a number
// beyond the amount's range throws ValuationFailure.
std::optional<Currency> readLocaleCurrency(std::string_view text, const NumberLocale& locale);

bool isLocaleNumber(std::string_view text, const NumberLocale& locale);
