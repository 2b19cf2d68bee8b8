// The leading-number rule over any text: a finite number, or ValuationFailure for a number
// beyond the double range, and nothing else. Cross-checked against the C library's strtod on
// the same characters, and against the rule's own promises about blanks, what follows the
// number and the sign. Under a locale, the locale's decimal separator reads as the period
// does.

#include "FuzzInput.h"
#include "engine/LeadingNumber.h"
#include "engine/ValuationFailure.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// nullopt stands for "beyond the double range".
std::optional<double> read(std::string_view text) {
    try {
        return readLeadingNumber(text);
    } catch (const ValuationFailure&) {
        return std::nullopt;
    }
}

std::optional<double> read(std::string_view text, const NumberLocale& locale) {
    try {
        return readLeadingNumber(text, locale);
    } catch (const ValuationFailure&) {
        return std::nullopt;
    }
}

std::string withPeriods(std::string_view text, std::string_view separator) {
    std::string replaced;
    while (!text.empty()) {
        if (text.starts_with(separator)) {
            replaced += '.';
            text.remove_prefix(separator.size());
        } else {
            replaced += text.front();
            text.remove_prefix(1);
        }
    }
    return replaced;
}

bool same(std::optional<double> a, std::optional<double> b) {
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

std::string withoutBlanks(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    return compact;
}

// Where strtod reads the same syntax as the rule: a decimal number, no "&", no hexadecimal
// float, no "inf" or "nan" (which do not start with a digit or a point).
bool strtodAgrees(const std::string& compact) {
    const std::size_t sign = compact.starts_with('-') || compact.starts_with('+') ? 1 : 0;
    if (compact.size() <= sign)
        return false;
    const char first = compact[sign];
    if (first != '.' && (first < '0' || first > '9'))
        return false;
    const bool hexFloat = first == '0' && compact.size() > sign + 1 &&
                          (compact[sign + 1] == 'x' || compact[sign + 1] == 'X');
    return !hexFloat;
}

void checkAgainstStrtod(const std::string& compact, std::optional<double> value) {
    if (!strtodAgrees(compact))
        return;
    errno = 0;
    const double expected = std::strtod(compact.c_str(), nullptr);
    if (errno == ERANGE && std::fabs(expected) > 1.0) {
        FUZZ_CHECK(!value); // overflow
    } else if (errno == ERANGE) {
        FUZZ_CHECK(value && std::fabs(*value) < DBL_MIN); // underflow: zero or subnormal
    } else {
        FUZZ_CHECK(value && *value == expected);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = splitFuzzInput(data, size, 1);
    const std::string_view text = input.fields[0];
    const std::optional<double> value = read(text);

    // Any separator of the number, the period or the locale's, is a point.
    const std::string_view point = input.locale.decimalSeparator;
    FUZZ_CHECK(same(read(text, input.locale), read(withPeriods(text, point))));
    if (value)
        FUZZ_CHECK(std::isfinite(*value));

    const std::string compact = withoutBlanks(text);
    FUZZ_CHECK(same(read(compact), value));
    // '|' continues no number, so it changes nothing after the text.
    FUZZ_CHECK(same(read(std::string(text) + "|"), value));
    // A minus before an unsigned decimal number negates it.
    if (!compact.empty() &&
        (compact.front() == '.' || (compact.front() >= '0' && compact.front() <= '9'))) {
        const std::optional<double> negated = read("-" + std::string(text));
        FUZZ_CHECK(negated.has_value() == value.has_value());
        if (value)
            FUZZ_CHECK(*negated == -*value);
    }
    checkAgainstStrtod(compact, value);
    return 0;
}
