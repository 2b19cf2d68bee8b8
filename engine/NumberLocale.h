#pragma once

#include <string>

// The locale's decimal and digit-grouping characters (UTF-8), read once when the program
// starts and handed to everything that formats or reads numbers the locale's way.
struct NumberLocale {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
};
