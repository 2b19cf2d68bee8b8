// The locale's number conversion over any text, and the three number formats read back with
// it: "Standard" within half a cent, "#,###" within half a unit, "0.00#" within half a
// thousandth. The numbers formatted are the one the text reads as and the double whose bits
// the text's first eight bytes are.

#include "FuzzInput.h"
#include "engine/LocaleNumber.h"
#include "engine/NumberFormats.h"
#include "engine/ValuationFailure.h"
#include "tests/support/ValueBoxText.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace {

bool same(std::optional<double> a, std::optional<double> b) {
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

std::string withoutGroups(std::string_view text, const NumberLocale& locale) {
    std::string plain;
    while (!text.empty()) {
        if (!locale.groupSeparator.empty() && text.starts_with(locale.groupSeparator)) {
            text.remove_prefix(locale.groupSeparator.size());
        } else {
            plain += text.front();
            text.remove_prefix(1);
        }
    }
    return plain;
}

// The double nearest a decimal text may lie half an ulp off the text's value.
double slack(double value) {
    return std::fabs(value) * std::numeric_limits<double>::epsilon();
}

void checkReadsBack(const std::string& text, double value, double within,
                    const NumberLocale& locale) {
    const std::optional<double> back = readLocaleNumber(text, locale);
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(std::fabs(*back - value) <= within + slack(value));
}

void checkFormats(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) {
        bool refused = false;
        try {
            formatStandard(value, locale);
        } catch (const ValuationFailure&) {
            refused = true;
        }
        FUZZ_CHECK(refused);
        return;
    }
    const std::string standard = formatStandard(value, locale);
    FUZZ_CHECK(readFormattedNumber(standard, 2, locale).has_value());
    checkReadsBack(standard, value, 0.005, locale);

    const std::string whole = formatWholeGrouped(value, locale);
    FUZZ_CHECK(readFormattedNumber(whole, 0, locale).has_value());
    checkReadsBack(whole, value, 0.5, locale);

    // "0.00#" is not grouped.
    const std::string figure = formatConversionFigure(value, locale);
    FUZZ_CHECK(locale.groupSeparator.empty() ||
               figure.find(locale.groupSeparator) == std::string::npos);
    checkReadsBack(figure, value, 0.0005, locale);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = splitFuzzInput(data, size, 1);
    const NumberLocale& locale = input.locale;
    const std::string_view text = input.fields[0];

    if (text.size() >= sizeof(double)) {
        double bits = 0.0;
        std::memcpy(&bits, text.data(), sizeof bits);
        checkFormats(bits, locale);
    }

    const std::optional<double> value = readLocaleNumber(text, locale);
    FUZZ_CHECK(isLocaleNumber(text, locale) == value.has_value());
    FUZZ_CHECK(same(readLocaleNumber(" \t" + std::string(text) + "\t ", locale), value));
    if (!value)
        return 0;
    FUZZ_CHECK(std::isfinite(*value));
    // Group separators stand only between digits of the integer part and carry no value.
    FUZZ_CHECK(same(readLocaleNumber(withoutGroups(text, locale), locale), value));
    checkFormats(*value, locale);
    return 0;
}
