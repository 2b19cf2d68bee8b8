#include "JsonSubset.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

void matchValue(const QString& path, const QJsonValue& expected, const QJsonValue& actual,
                std::vector<JsonMismatch>& mismatches);

void matchObject(const QString& path, const QJsonObject& expected, const QJsonObject& actual,
                 std::vector<JsonMismatch>& mismatches) {
    for (auto member = expected.begin(); member != expected.end(); ++member) {
        const QString memberPath =
            path.isEmpty() ? member.key() : path + QLatin1Char('.') + member.key();
        if (!actual.contains(member.key())) {
            mismatches.push_back(
                {memberPath, jsonText(member.value()), QStringLiteral("(missing)")});
            continue;
        }
        matchValue(memberPath, member.value(), actual.value(member.key()), mismatches);
    }
}

void matchValue(const QString& path, const QJsonValue& expected, const QJsonValue& actual,
                std::vector<JsonMismatch>& mismatches) {
    if (expected.isObject() && actual.isObject()) {
        matchObject(path, expected.toObject(), actual.toObject(), mismatches);
        return;
    }
    if (expected.isArray() && actual.isArray() &&
        expected.toArray().size() == actual.toArray().size()) {
        const QJsonArray expectedItems = expected.toArray();
        const QJsonArray actualItems = actual.toArray();
        for (qsizetype at = 0; at < expectedItems.size(); ++at)
            matchValue(QStringLiteral("%1[%2]").arg(path).arg(at), expectedItems[at],
                       actualItems[at], mismatches);
        return;
    }
    if (expected != actual)
        mismatches.push_back({path, jsonText(expected), jsonText(actual)});
}

} // namespace

std::vector<JsonMismatch> matchSubset(const QJsonObject& expected, const QJsonObject& actual) {
    std::vector<JsonMismatch> mismatches;
    matchObject(QString(), expected, actual, mismatches);
    return mismatches;
}

QString jsonText(const QJsonValue& value) {
    QJsonArray wrapper{value};
    const QByteArray text = QJsonDocument(wrapper).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}
