#include "LeadingNumber.h"

#include "DecimalText.h"
#include "ValuationFailure.h"

#include <cmath>
#include <cstddef>

namespace {

// Walks the text one significant character at a time, stepping over blanks.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) { skipBlanks(); }

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void advance() {
        ++pos_;
        skipBlanks();
    }
    bool take(char c) {
        if (peek() != c)
            return false;
        advance();
        return true;
    }
    // A separator of several bytes (UTF-8) is taken whole; an empty one never matches.
    bool take(std::string_view part) {
        if (part.empty() || !text_.substr(pos_).starts_with(part))
            return false;
        pos_ += part.size();
        skipBlanks();
        return true;
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n'))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c, int base) {
    int value = base;
    if (isDigit(c))
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// After "&": "H" or "O" and the digits of that base; anything else has no number.
double readPrefixedInteger(Cursor& cursor) {
    const char kind = cursor.peek();
    const int base = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
    if (base == 0)
        return 0.0;
    cursor.advance();
    double value = 0.0;
    while (digitValue(cursor.peek(), base) >= 0) {
        value = value * base + digitValue(cursor.peek(), base);
        cursor.advance();
    }
    if (std::isinf(value))
        throw ValuationFailure("number beyond the double range");
    return value;
}

void copyDigits(Cursor& cursor, DecimalText& out) {
    for (; isDigit(cursor.peek()); cursor.advance())
        out.push_back(cursor.peek());
}

// The exponent belongs to the number only when digits follow the letter and its sign;
// otherwise the number has ended before the letter.
void copyExponent(Cursor& cursor, DecimalText& out) {
    if (cursor.peek() != 'E' && cursor.peek() != 'e')
        return;
    cursor.advance();
    const char sign = cursor.peek();
    if (sign == '+' || sign == '-')
        cursor.advance();
    if (!isDigit(cursor.peek()))
        return;
    out.push_back('e');
    if (sign == '-')
        out.push_back('-');
    copyDigits(cursor, out);
}

// `localePoint` is a decimal separator besides the period ("." when there is none).
double readNumber(std::string_view text, std::string_view localePoint) {
    Cursor cursor(text);
    if (cursor.take('&'))
        return readPrefixedInteger(cursor);

    DecimalText number;
    if (cursor.take('-'))
        number.push_back('-');
    else
        cursor.take('+');
    const std::size_t signLength = number.size();

    copyDigits(cursor, number);
    std::size_t digitCount = number.size() - signLength;
    if (cursor.take('.') || cursor.take(localePoint)) {
        number.push_back('.');
        const std::size_t before = number.size();
        copyDigits(cursor, number);
        digitCount += number.size() - before;
    }
    if (digitCount == 0)
        return 0.0;
    copyExponent(cursor, number);

    const auto value = parseDecimal(number.view());
    if (!value)
        throw ValuationFailure("number beyond the double range");
    return *value;
}

} // namespace

double readLeadingNumber(std::string_view text) {
    return readNumber(text, ".");
}

double readLeadingNumber(std::string_view text, const NumberLocale& locale) {
    return readNumber(text, locale.decimalSeparator);
}
