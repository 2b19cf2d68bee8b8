#include "LocaleNumber.h"

#include "DecimalText.h"

#include <cstddef>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// An empty separator never matches, so a locale without grouping accepts plain digits only.
bool startsWith(std::string_view text, std::string_view separator) {
    return !separator.empty() && text.starts_with(separator);
}

// Reads the number part by part, copying the significant characters into `out`.
class Reader {
public:
    Reader(std::string_view text, DecimalText& out) : text_(text), out_(out) {}

    bool atEnd() const { return text_.empty(); }
    bool atDigit() const { return !text_.empty() && isDigit(text_.front()); }

    bool takeSign() {
        if (text_.empty() || (text_.front() != '+' && text_.front() != '-'))
            return false;
        if (text_.front() == '-')
            out_.push_back('-');
        text_.remove_prefix(1);
        return true;
    }

    bool takeText(std::string_view part) {
        if (!startsWith(text_, part))
            return false;
        text_.remove_prefix(part.size());
        return true;
    }

    bool takeLetterE() {
        if (text_.empty() || (text_.front() != 'e' && text_.front() != 'E'))
            return false;
        text_.remove_prefix(1);
        out_.push_back('e');
        return true;
    }

    // Copies digits; a group separator is skipped where a digit precedes it and a digit or
    // the end of the text follows, so that "1," on the way to "1,000" is still a number.
    int copyDigits(std::string_view groupSeparator = {}) {
        int count = 0;
        while (true) {
            if (atDigit()) {
                out_.push_back(text_.front());
                text_.remove_prefix(1);
                ++count;
            } else if (count > 0 && startsWith(text_, groupSeparator) &&
                       (text_.size() == groupSeparator.size() ||
                        isDigit(text_[groupSeparator.size()]))) {
                text_.remove_prefix(groupSeparator.size());
            } else {
                return count;
            }
        }
    }

    void copyPoint() { out_.push_back('.'); }

private:
    std::string_view text_;
    DecimalText& out_;
};

// The number's significant characters as a compacted decimal run, or false when the text
// is not a number of the locale's.
bool compactLocaleNumber(std::string_view text, const NumberLocale& locale, DecimalText& number) {
    Reader reader(trimBlanks(text), number);
    reader.takeSign();
    int digits = reader.copyDigits(locale.groupSeparator);
    if (reader.takeText(locale.decimalSeparator)) {
        reader.copyPoint();
        digits += reader.copyDigits();
    }
    if (digits == 0)
        return false;
    if (reader.takeLetterE()) {
        reader.takeSign();
        if (reader.copyDigits() == 0)
            return false;
    }
    return reader.atEnd();
}

} // namespace

std::optional<double> readLocaleNumber(std::string_view text, const NumberLocale& locale) {
    DecimalText number;
    if (!compactLocaleNumber(text, locale, number))
        return std::nullopt;
    return parseDecimal(number.view());
}

std::optional<Currency> readLocaleCurrency(std::string_view text, const NumberLocale& locale) {
    DecimalText number;
    if (!compactLocaleNumber(text, locale, number))
        return std::nullopt;
    return Currency::fromDecimal(number.view());
}

bool isLocaleNumber(std::string_view text, const NumberLocale& locale) {
    return readLocaleNumber(text, locale).has_value();
}
