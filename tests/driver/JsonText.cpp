#include "JsonText.h"

#include <charconv>
#include <cmath>

namespace json {

namespace {

template <typename Number> QString shortest(Number value) {
    // JSON has no infinities or NaN.
    if (!std::isfinite(value))
        return null();
    char buffer[64];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace

QString string(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar character : text) {
        switch (character.unicode()) {
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (character.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(character.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += character;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString number(double value) {
    return shortest(value);
}

QString number(float value) {
    return shortest(value);
}

QString number(int value) {
    return QString::number(value);
}

QString boolean(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString null() {
    return QStringLiteral("null");
}

QString array(const QStringList& items) {
    return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
}

Object& Object::add(const char* key, const QString& jsonValue) {
    members_.append(string(QLatin1String(key)) + QLatin1Char(':') + jsonValue);
    return *this;
}

QString Object::text() const {
    return QLatin1Char('{') + members_.join(QLatin1Char(',')) + QLatin1Char('}');
}

} // namespace json
