#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <vector>

struct JsonMismatch {
    QString path; // "hint.text", "detail[3]"
    QString expected;
    QString actual; // "(missing)" when the key is not there
};

// Does `actual` hold what `expected` asks for? An object matches when every key it names
// matches (other keys may be anything), at any depth; an array must have as many elements,
// each matching in turn; numbers, strings, booleans and null must be equal.
std::vector<JsonMismatch> matchSubset(const QJsonObject& expected, const QJsonObject& actual);

// Compact JSON text of any value.
QString jsonText(const QJsonValue& value);
