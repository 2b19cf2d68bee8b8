// The driver's JSON: figures must print as their shortest round-trip text, strings must
// survive any character, and keys must keep their order.

#include "tests/driver/JsonText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(JsonText, SinglePrecisionFiguresPrintShortest) {
    EXPECT_EQ(json::number(20.3f), QStringLiteral("20.3"));
    EXPECT_EQ(json::number(20.37199f), QStringLiteral("20.37199"));
    EXPECT_EQ(json::number(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(json::number(4.0f), QStringLiteral("4"));
    EXPECT_EQ(json::number(-0.5f), QStringLiteral("-0.5"));
    // Read back as a double the text must give the same float again.
    const float third = 1.0f / 3.0f;
    EXPECT_EQ(static_cast<float>(json::number(third).toDouble()), third);
}

TEST(JsonText, TwipsPrintWithoutNeedlessDigits) {
    EXPECT_EQ(json::number(4500.0), QStringLiteral("4500"));
    EXPECT_EQ(json::number(528.375), QStringLiteral("528.375"));
    EXPECT_EQ(json::number(-239.5), QStringLiteral("-239.5"));
    EXPECT_EQ(json::number(101), QStringLiteral("101"));
}

TEST(JsonText, FiguresJsonCannotHoldAreNull) {
    EXPECT_EQ(json::number(std::numeric_limits<float>::infinity()), QStringLiteral("null"));
    EXPECT_EQ(json::number(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("null"));
}

TEST(JsonText, StringsAreEscaped) {
    EXPECT_EQ(json::string(QStringLiteral("say \"hi\"\\")), QStringLiteral(R"("say \"hi\"\\")"));
    EXPECT_EQ(json::string(QStringLiteral("a\r\nb\tc")), QStringLiteral(R"("a\r\nb\tc")"));
    EXPECT_EQ(json::string(QString(QChar(1))), QStringLiteral(R"("\u0001")"));
    EXPECT_EQ(json::string(QStringLiteral("Größe")), QStringLiteral("\"Größe\""));
}

TEST(JsonText, ObjectsKeepTheirKeyOrder) {
    const QString text = json::Object()
                             .add("zeta", json::number(1))
                             .add("alpha", json::array({json::boolean(true), json::null()}))
                             .add("mid", json::Object().text())
                             .text();
    EXPECT_EQ(text, QStringLiteral(R"({"zeta":1,"alpha":[true,null],"mid":{}})"));
}

} // namespace
