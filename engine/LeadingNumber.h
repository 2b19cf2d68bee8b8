#pragma once

#include "NumberLocale.h"

#include <string_view>

// Reads the number a parameter text begins with, the way the parameter grid is read:
// - blanks, tabs and line feeds anywhere in the text are ignored ("1 000" reads 1000);
// - an optionally signed decimal number with '.' as the decimal separator, optionally
//   followed by an exponent (E or e, optional sign, digits); an E without digits ends the
//   number before it ("3e" reads 3);
// - "&H" and "&O" (either case) start a non-negative hexadecimal or octal integer;
// - reading stops at the first character that cannot continue the number ("1,500" reads 1,
//   "12abc" reads 12); a text without a leading number reads 0.
// A number beyond the double range throws ValuationFailure; the caller's conversion to single
// precision catches the smaller overflows.
double readLeadingNumber(std::string_view text);

// The same rule as the parameter grid is read under `locale`: where the locale's decimal
// separator is not the period, it is a decimal separator too, so that a number written the
// locale's way reads as the number shown ("1,5" reads 1.5 under a decimal comma, and "1.5"
// still reads 1.5). The group separator stays a character that ends the number. Under a
// locale with the decimal period this is readLeadingNumber(text).
double readLeadingNumber(std::string_view text, const NumberLocale& locale);
