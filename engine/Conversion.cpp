#include "Conversion.h"

#include "LocaleNumber.h"
#include "NumberFormats.h"
#include "SinglePrecision.h"
#include "ValuationFailure.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

double perShare(PerShareFigure figure, double rate, double price) {
    switch (figure) {
    case PerShareFigure::Earnings:
        return price / rate;
    case PerShareFigure::Dividends:
        return rate * price / 100.0;
    }
    throw ValuationFailure("unknown conversion");
}

// The stored single as the user reads it: its shortest decimal text, 0.0025 rather than
// 0.00249999994. Rounding that text to three decimals treats 0.0025 as the tie it is written
// as; since the nearest double of such a tie may lie just below it, a tie at the fourth
// decimal is moved one step away from zero before the format rounds it.
double asWritten(float value) {
    std::array<char, 64> buffer; // the largest float has 39 digits
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(written.ptr - buffer.data()));
    double decimal = value;
    std::from_chars(text.data(), text.data() + text.size(), decimal);
    const auto point = text.find('.');
    const bool tie =
        point != std::string_view::npos && text.size() - point - 1 == 4 && text.back() == '5';
    if (tie)
        decimal = std::nextafter(decimal,
                                 std::copysign(std::numeric_limits<double>::infinity(), decimal));
    return decimal;
}

} // namespace

std::optional<ConvertedFigure> convertToPerShare(PerShareFigure figure, std::string_view rateText,
                                                 std::string_view priceText,
                                                 const NumberLocale& locale) {
    const std::optional<double> rate = readLocaleNumber(rateText, locale);
    const std::optional<double> price = readLocaleNumber(priceText, locale);
    if (!rate || !price)
        return std::nullopt;
    try {
        // A ratio of 0 divides to infinity (or NaN with a price of 0): toSingle refuses both.
        const float value = toSingle(perShare(figure, *rate, *price));
        return ConvertedFigure{value, formatConversionFigure(asWritten(value), locale)};
    } catch (const ValuationFailure&) {
        return std::nullopt;
    }
}
