#include "ExpectationScript.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>

namespace {

const QString argsPrefix = QStringLiteral("#! args:");
const QString expectationPrefix = QStringLiteral("#>");

// Fills in one `#>` line; returns an error message or an empty text.
QString readExpectation(const QString& body, int line, ScenarioExpectations& expectations) {
    if (body.startsWith(QLatin1Char('{'))) {
        if (expectations.shows.empty())
            return QStringLiteral("an expected object needs a show before it");
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(body.toUtf8(), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            return QStringLiteral("not a JSON object: %1 (at character %2)")
                .arg(error.errorString())
                .arg(error.offset + 1);
        expectations.shows.back().objects.push_back({line, document.object()});
        return QString();
    }
    static const QRegularExpression exitStatus(QStringLiteral("^exit ([0-9]+)$"));
    if (const QRegularExpressionMatch match = exitStatus.match(body); match.hasMatch()) {
        expectations.exitStatus = match.captured(1).toInt();
        return QString();
    }
    if (body == QLatin1String("ended")) {
        expectations.endedLine = line;
        return QString();
    }
    if (body.startsWith(QLatin1String("error "))) {
        expectations.errorTexts.emplace_back(line, body.mid(6));
        return QString();
    }
    return QStringLiteral("unknown expectation (a JSON object, exit N, ended or error TEXT)");
}

} // namespace

std::variant<ScenarioExpectations, ExpectationError> parseExpectations(const QString& script) {
    ScenarioExpectations expectations;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const int line = static_cast<int>(index) + 1;
        const QString text = lines[index].trimmed();
        if (text.startsWith(argsPrefix)) {
            if (line != 1)
                return ExpectationError{line, QStringLiteral("#! args: belongs on the first line")};
            expectations.driverArguments =
                text.mid(argsPrefix.size()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        } else if (text.startsWith(expectationPrefix)) {
            const QString message =
                readExpectation(text.mid(expectationPrefix.size()).trimmed(), line, expectations);
            if (!message.isEmpty())
                return ExpectationError{line, message};
        } else if (text == QLatin1String("show")) {
            expectations.shows.push_back({line, {}});
        }
    }
    return expectations;
}
