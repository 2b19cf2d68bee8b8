// The conversions over arbitrary texts (kind|ratio or yield|price, the kind "D" for a
// dividend yield and anything else for a price-earnings ratio): a figure exactly when both
// texts are numbers and the result fits single precision, stored as that single, and
// written as "0.00#" text that reads back within half a thousandth of it.

#include "engine/Conversion.h"
#include "FuzzInput.h"
#include "engine/LocaleNumber.h"
#include "tests/support/ValueBoxText.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

double perShare(PerShareFigure figure, double rate, double price) {
    return figure == PerShareFigure::Earnings ? price / rate : rate * price / 100.0;
}

bool fitsSingle(double value) {
    return std::fabs(value) <= std::numeric_limits<float>::max(); // false for NaN
}

// "0.00#": no grouping, two decimals or three without a trailing zero.
void checkFigureText(const std::string& text, float value, const NumberLocale& locale) {
    const NumberLocale ungrouped{locale.decimalSeparator, ""};
    const bool twoDecimals = readFormattedNumber(text, 2, ungrouped).has_value();
    const bool threeDecimals = readFormattedNumber(text, 3, ungrouped).has_value();
    FUZZ_CHECK(twoDecimals || (threeDecimals && !text.ends_with('0')));

    const std::optional<double> back = readLocaleNumber(text, locale);
    FUZZ_CHECK(back.has_value());
    // The text is written from the single's shortest decimal, which may lie up to half the
    // single's spacing away from the single itself.
    const double spacing =
        std::nextafter(std::fabs(value), std::numeric_limits<float>::max()) - std::fabs(value);
    FUZZ_CHECK(std::fabs(*back - value) <= 0.0005 + spacing);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = splitFuzzInput(data, size, 3);
    const PerShareFigure figure =
        input.fields[0].starts_with('D') ? PerShareFigure::Dividends : PerShareFigure::Earnings;
    const std::string_view rateText = input.fields[1];
    const std::string_view priceText = input.fields[2];
    const std::optional<ConvertedFigure> converted =
        convertToPerShare(figure, rateText, priceText, input.locale);

    const std::optional<double> rate = readLocaleNumber(rateText, input.locale);
    const std::optional<double> price = readLocaleNumber(priceText, input.locale);
    if (!rate || !price) {
        FUZZ_CHECK(!converted);
        return 0;
    }
    const double exact = perShare(figure, *rate, *price);
    FUZZ_CHECK(converted.has_value() == fitsSingle(exact));
    if (!converted)
        return 0;
    FUZZ_CHECK(converted->value == static_cast<float>(exact));
    checkFigureText(converted->text, converted->value, input.locale);
    return 0;
}
