#include "ScenarioVerdict.h"

#include "JsonSubset.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct PrintedOutput {
    std::vector<QString> shows;
    bool ended = false;
    std::vector<CheckFailure> failures;
};

PrintedOutput readOutput(const QStringList& lines) {
    PrintedOutput printed;
    for (const QString& line : lines) {
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8());
        if (!document.isObject()) {
            printed.failures.push_back(
                {0,
                 QStringLiteral("the driver printed a line that is not a JSON object: ") + line,
                 {}});
        } else if (printed.ended) {
            printed.failures.push_back(
                {0, QStringLiteral("the driver printed after the program ended: ") + line, {}});
        } else if (document.object() == QJsonObject{{QStringLiteral("ended"), true}}) {
            printed.ended = true;
        } else {
            printed.shows.push_back(line);
        }
    }
    return printed;
}

void checkShow(const ShowExpectations& show, const QString& printed,
               std::vector<CheckFailure>& failures) {
    const QJsonObject actual = QJsonDocument::fromJson(printed.toUtf8()).object();
    bool first = true;
    for (const ObjectExpectation& expectation : show.objects) {
        for (const JsonMismatch& mismatch : matchSubset(expectation.subset, actual)) {
            failures.push_back({expectation.line,
                                QStringLiteral("show at line %1: \"%2\": expected %3, actual %4")
                                    .arg(show.showLine)
                                    .arg(mismatch.path, mismatch.expected, mismatch.actual),
                                first ? printed : QString()});
            first = false;
        }
    }
}

void checkEnd(const ScenarioExpectations& expectations, const PrintedOutput& printed,
              std::vector<CheckFailure>& failures) {
    if (expectations.endedLine && !printed.ended)
        failures.push_back(
            {*expectations.endedLine, QStringLiteral("the program did not end"), {}});
    if (!expectations.endedLine && printed.ended)
        failures.push_back(
            {0,
             QStringLiteral("the program ended after %1 shows, but the script does not "
                            "expect it (#> ended)")
                 .arg(printed.shows.size()),
             {}});
}

} // namespace

std::vector<CheckFailure> checkRun(const ScenarioExpectations& expectations, const DriverRun& run) {
    if (!run.started)
        return {{0, QStringLiteral("the driver could not be started: ") + run.errorOutput, {}}};
    if (run.timedOut)
        return {{0, QStringLiteral("the driver did not finish in time"), {}}};
    if (run.crashed)
        return {{0, QStringLiteral("the driver crashed"), {}}};

    PrintedOutput printed = readOutput(run.outputLines);
    std::vector<CheckFailure> failures = std::move(printed.failures);
    if (run.exitStatus != expectations.exitStatus)
        failures.push_back({0,
                            QStringLiteral("the driver exited with status %1, expected %2")
                                .arg(run.exitStatus)
                                .arg(expectations.exitStatus),
                            {}});
    checkEnd(expectations, printed, failures);
    for (const auto& [line, text] : expectations.errorTexts) {
        if (!run.errorOutput.contains(text))
            failures.push_back(
                {line, QStringLiteral("standard error does not contain \"%1\"").arg(text), {}});
    }
    if (printed.shows.size() > expectations.shows.size())
        failures.push_back(
            {0, QStringLiteral("the driver printed more states than the script has shows"), {}});
    for (std::size_t at = 0; at < expectations.shows.size(); ++at) {
        const ShowExpectations& show = expectations.shows[at];
        if (show.objects.empty())
            continue;
        if (at >= printed.shows.size())
            failures.push_back({show.showLine, QStringLiteral("this show printed nothing"), {}});
        else
            checkShow(show, printed.shows[at], failures);
    }
    return failures;
}
