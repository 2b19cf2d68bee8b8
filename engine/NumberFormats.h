#pragma once

#include "Currency.h"
#include "NumberLocale.h"

#include <string>

// The number formats of the value box and the detail table, with the locale's separators
// and otherwise locale-independent. Values are rounded half away from zero (0.125 shows
// 0.13, 2.5 shows 3), and a value that rounds to zero shows without a minus sign. A value
// that is not finite cannot be formatted and throws ValuationFailure.

// "Standard": grouped by thousands, at least one digit before the decimal separator, exactly
// two decimals: 1,234.50; 0.75; -3.20.
void appendStandard(std::string& out, double value, const NumberLocale& locale);
std::string formatStandard(double value, const NumberLocale& locale);
// The amount exactly, rounded to cents half away from zero.
std::string formatStandard(Currency amount, const NumberLocale& locale);

// "#,###": rounded to a whole number, grouped, no decimal separator: 1,235.
void appendWholeGrouped(std::string& out, double value, const NumberLocale& locale);
std::string formatWholeGrouped(double value, const NumberLocale& locale);

// "0.00#": two or three decimals as needed, no grouping: 3.20; 1.00; 1.235.
std::string formatConversionFigure(double value, const NumberLocale& locale);

// Plain digits, for year numbers.
std::string formatWholeNumber(long long value);
