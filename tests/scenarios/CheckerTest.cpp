// The checker's own logic: reading the expectations out of a script, matching printed
// states against them, and judging a whole run. A checker that passes what it should not
// would hide every fault the scenarios are there to catch.

#include "ExpectationScript.h"
#include "JsonSubset.h"
#include "ScenarioVerdict.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

ScenarioExpectations expectationsOf(const char* script) {
    auto parsed = parseExpectations(QString::fromUtf8(script));
    if (const auto* error = std::get_if<ExpectationError>(&parsed)) {
        ADD_FAILURE() << "line " << error->line << ": " << error->message.toStdString();
        return {};
    }
    return std::get<ScenarioExpectations>(parsed);
}

QJsonObject object(const char* json) {
    return QJsonDocument::fromJson(QByteArray(json)).object();
}

DriverRun finishedRun(int exitStatus, QStringList lines) {
    DriverRun run;
    run.started = true;
    run.exitStatus = exitStatus;
    run.outputLines = std::move(lines);
    return run;
}

TEST(ExpectationScript, AttachesObjectsToTheShowBeforeThem) {
    const ScenarioExpectations expectations =
        expectationsOf("#! args: --screen 9150x7800  --exe /opt/x/T\n"
                       "show\n"
                       "#> {\"value\": \"\"}\n"
                       "type 1\n"
                       "  show\n"
                       "#> {\"cells\": [\"1\"]}\n"
                       "# a plain comment\n"
                       "#> {\"focus\": null}\n"
                       "show\n");
    EXPECT_EQ(expectations.driverArguments,
              (QStringList{"--screen", "9150x7800", "--exe", "/opt/x/T"}));
    ASSERT_EQ(expectations.shows.size(), 3u);
    EXPECT_EQ(expectations.shows[0].showLine, 2);
    ASSERT_EQ(expectations.shows[0].objects.size(), 1u);
    EXPECT_EQ(expectations.shows[0].objects[0].line, 3);
    EXPECT_EQ(expectations.shows[1].showLine, 5);
    ASSERT_EQ(expectations.shows[1].objects.size(), 2u);
    EXPECT_EQ(expectations.shows[1].objects[1].line, 8);
    EXPECT_TRUE(expectations.shows[2].objects.empty());
    EXPECT_EQ(expectations.exitStatus, 0);
    EXPECT_FALSE(expectations.endedLine);
}

TEST(ExpectationScript, ReadsExitEndedAndErrorExpectations) {
    const ScenarioExpectations expectations =
        expectationsOf("close-worksheet\n#> ended\n#> exit 2\n#> error line 3: unknown\n");
    EXPECT_EQ(expectations.exitStatus, 2);
    EXPECT_EQ(expectations.endedLine, 2);
    ASSERT_EQ(expectations.errorTexts.size(), 1u);
    EXPECT_EQ(expectations.errorTexts[0].second, QStringLiteral("line 3: unknown"));
}

TEST(ExpectationScript, RefusesExpectationsItCannotUse) {
    const std::vector<std::pair<const char*, int>> bad{
        {"#> {\"value\": 1}\nshow\n", 1},     // no show before it
        {"show\n#> {\"value\": }\n", 2},      // not JSON
        {"show\n#> [1, 2]\n", 2},             // not an object
        {"show\n#> exit\n", 2},               // exit without a status
        {"show\n#> finished\n", 2},           // unknown word
        {"show\n#! args: --screen 1x1\n", 2}, // options only on the first line
    };
    for (const auto& [script, line] : bad) {
        const auto parsed = parseExpectations(QString::fromUtf8(script));
        const auto* error = std::get_if<ExpectationError>(&parsed);
        ASSERT_NE(error, nullptr) << script;
        EXPECT_EQ(error->line, line) << script;
    }
}

TEST(JsonSubset, ObjectsMatchOnTheKeysTheyName) {
    const QJsonObject actual = object(R"({"hint": {"text": "Up +1", "left": 5700, "width": 528.375},
                                          "value": "20.30", "yield": -1})");
    EXPECT_TRUE(
        matchSubset(object(R"({"hint": {"left": 5700}, "value": "20.30"})"), actual).empty());
    EXPECT_TRUE(matchSubset(object("{}"), actual).empty());

    const auto mismatches = matchSubset(object(R"({"hint": {"text": "Up"}, "yield": 0})"), actual);
    ASSERT_EQ(mismatches.size(), 2u);
    EXPECT_EQ(mismatches[0].path, QStringLiteral("hint.text"));
    EXPECT_EQ(mismatches[0].expected, QStringLiteral("\"Up\""));
    EXPECT_EQ(mismatches[0].actual, QStringLiteral("\"Up +1\""));
    EXPECT_EQ(mismatches[1].path, QStringLiteral("yield"));
}

TEST(JsonSubset, ArraysMustMatchInLengthAndEveryElement) {
    const QJsonObject actual =
        object(R"({"cells": ["2", "", "", "", "4"], "detail": [["Year", "1"]]})");
    EXPECT_TRUE(matchSubset(object(R"({"cells": ["2", "", "", "", "4"]})"), actual).empty());
    EXPECT_EQ(matchSubset(object(R"({"cells": ["2", "", "", ""]})"), actual).size(), 1u);

    const auto mismatches = matchSubset(object(R"({"detail": [["Year", "2"]]})"), actual);
    ASSERT_EQ(mismatches.size(), 1u);
    EXPECT_EQ(mismatches[0].path, QStringLiteral("detail[0][1]"));
}

TEST(JsonSubset, KindsAndMissingKeysNeverMatch) {
    const QJsonObject actual =
        object(R"({"cells": "4", "detail": null, "ended": false, "n": 20.3})");
    EXPECT_EQ(matchSubset(object(R"({"cells": 4})"), actual).size(), 1u);
    EXPECT_EQ(matchSubset(object(R"({"detail": []})"), actual).size(), 1u);
    EXPECT_EQ(matchSubset(object(R"({"ended": 0})"), actual).size(), 1u);
    EXPECT_TRUE(matchSubset(object(R"({"n": 20.30})"), actual).empty());
    const auto missing = matchSubset(object(R"({"nothing": null})"), actual);
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].actual, QStringLiteral("(missing)"));
}

TEST(ScenarioVerdict, PassesARunThatPrintsWhatIsExpected) {
    const ScenarioExpectations expectations =
        expectationsOf("show\n#> {\"value\": \"a\"}\nshow\nclose-worksheet\n#> ended\n");
    const DriverRun run =
        finishedRun(0, {R"({"value":"a"})", R"({"value":"b"})", R"({"ended":true})"});
    EXPECT_TRUE(checkRun(expectations, run).empty());
}

TEST(ScenarioVerdict, ReportsEachMismatchWithItsLinesAndTheStateOnce) {
    const ScenarioExpectations expectations =
        expectationsOf("show\n#> {\"value\": \"a\", \"beeps\": 0}\n#> {\"focus\": \"Entry\"}\n");
    const auto failures =
        checkRun(expectations, finishedRun(0, {R"({"value":"b","beeps":1,"focus":"Entry"})"}));
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].line, 2);
    EXPECT_TRUE(failures[0].message.contains(QStringLiteral("show at line 1")));
    EXPECT_FALSE(failures[0].actual.isEmpty());
    EXPECT_TRUE(failures[1].actual.isEmpty());
}

TEST(ScenarioVerdict, JudgesTheEndOfTheRun) {
    const ScenarioExpectations plain = expectationsOf("show\n#> {\"value\": \"a\"}\n");
    const ScenarioExpectations ending = expectationsOf("close-worksheet\n#> ended\n");
    const ScenarioExpectations refused = expectationsOf("bogus\n#> exit 2\n#> error line 1:\n");

    EXPECT_FALSE(checkRun(plain, finishedRun(1, {R"({"value":"a"})"})).empty())
        << "wrong exit status";
    EXPECT_FALSE(checkRun(plain, finishedRun(0, {})).empty()) << "a show that printed nothing";
    EXPECT_FALSE(checkRun(plain, finishedRun(0, {R"({"value":"a"})", R"({"ended":true})"})).empty())
        << "an end nobody expected";
    EXPECT_FALSE(
        checkRun(plain, finishedRun(0, {R"({"value":"a"})", "Segmentation fault"})).empty())
        << "a line that is no JSON";
    EXPECT_FALSE(checkRun(ending, finishedRun(0, {})).empty())
        << "an expected end that did not come";

    DriverRun refusal = finishedRun(2, {});
    refusal.errorOutput = QStringLiteral("line 1: unknown command \"bogus\"\n");
    EXPECT_TRUE(checkRun(refused, refusal).empty());
    refusal.errorOutput.clear();
    EXPECT_FALSE(checkRun(refused, refusal).empty()) << "the message is missing";
}

TEST(ScenarioVerdict, ABrokenDriverAlwaysFails) {
    const ScenarioExpectations nothingExpected = expectationsOf("show\n");
    DriverRun crashed = finishedRun(0, {});
    crashed.crashed = true;
    DriverRun hung = finishedRun(0, {});
    hung.timedOut = true;
    DriverRun missing;
    EXPECT_EQ(checkRun(nothingExpected, crashed).size(), 1u);
    EXPECT_EQ(checkRun(nothingExpected, hung).size(), 1u);
    EXPECT_EQ(checkRun(nothingExpected, missing).size(), 1u);
}

} // namespace
