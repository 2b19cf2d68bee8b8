// The worksheet under the user's number locale: what the user types, what Up +1, Down -1 and
// a conversion write into the grid, and how the computation reads it back, under the period
// (English) and under the decimal comma (the period groups).

#include "tests/support/WorksheetFixture.h"
#include "tests/support/WorksheetSteps.h"

#include "worksheet/CommandButtons.h"
#include "worksheet/ParameterEditing.h"
#include "worksheet/ParameterRow.h"

#include <QLabel>

#include <ostream>

namespace {

const NumberLocale kEnglish{".", ","};
const NumberLocale kDecimalComma{",", "."};
const NumberLocale kSpaceGrouped{",", "\u00a0"}; // no period at all

float parameterOf(const ValuationState& state, int row) {
    switch (row) {
    case ParameterRow::Earnings:
        return state.earnings;
    case ParameterRow::Dividends:
        return state.dividends;
    case ParameterRow::Growth:
        return state.growthPercent;
    case ParameterRow::Term:
        return state.termYears;
    default:
        return state.yieldPercent;
    }
}

// A program started with the case's locale.
template <class Case>
class LocaleWorksheet : public WorksheetFixture, public ::testing::WithParamInterface<Case> {
protected:
    void SetUp() override { startWith(this->GetParam().locale); }
};

template <class Case> std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// --- Typing ----------------------------------------------------------------------------------

struct TypedCase {
    const char* name;
    NumberLocale locale;
    QStringList typed; // from row 1 on, Enter between them
    float earnings;
    QString value;
    std::size_t refused = 0; // texts refused on the way ("Invalid entry")
};
void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << c.name;
}

using TypedFigures = LocaleWorksheet<TypedCase>;

// State: a fresh worksheet (yield 4). Action: the parameters typed as the user types them.
// Expected: every text passes the editor's check and reaches its cell; the earnings read as
// the locale says; the value shows with the locale's characters.
TEST_P(TypedFigures, ReadAsTheLocaleWritesThem) {
    const TypedCase& c = GetParam();
    WorksheetSteps::typeParameters(form(), c.typed);
    EXPECT_EQ(services.takeMessages().size(), c.refused);
    for (qsizetype i = 0; i < c.typed.size(); ++i)
        EXPECT_EQ(form().controls().Thegrid.cellText(static_cast<int>(i) + 1, 1), c.typed[i]) << i;
    EXPECT_EQ(program->valuation().earnings, c.earnings);
    EXPECT_EQ(form().controls().Valuebox.text(), c.value);
}

// Dividends 0, growth 0, term 1 and yield 100 % make the value earnings / 2; at the starting
// yield of 4 % it is earnings / 0.04 / 1.04.
// clang-format off
const TypedCase kTypedCases[] = {
    // "1," on the way passes as well as "1,5"; the computation reads up to the comma.
    {"english_comma_ends_the_number", kEnglish, {"1,5", "0", "0", "1", "100"},
     1.0f, "0.50 (No dividends)", 0},
    {"comma_read_whole", kDecimalComma, {"1,5", "0", "0", "1", "100"},
     1.5f, "0,75 (No dividends)"},
    {"comma_read_whole_at_starting_yield", kDecimalComma, {"1,5", "0", "0", "1"},
     1.5f, "36 (No dividends)"},
    {"comma_in_every_row", kDecimalComma, {"2,0", "1,0", "5,0", "10,0", "10,0"},
     2.0f, "20,30"},
    {"comma_grouped_negative_value", kDecimalComma, {"-2469", "0", "0", "1", "100"},
     -2469.0f, "-1.234,50 (No dividends)"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Cases, TypedFigures, ::testing::ValuesIn(kTypedCases),
                         caseName<TypedCase>);

// --- Up +1 and Down -1 -----------------------------------------------------------------------

struct StepCase {
    const char* name;
    NumberLocale locale;
    int row;
    QString cell;
    CommandButtons::Element button;
    QString written;
    float read; // the row's parameter as the computation then reads it
};
void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.name;
}

using SteppedFigures = LocaleWorksheet<StepCase>;

// State: all five parameters present, the case's row current. Action: the step button.
// Expected: the sum written the locale's way, read back in full by the computation, and
// loaded into the editor again without "Invalid entry".
TEST_P(SteppedFigures, WriteTheLocalesFormAndReadItBack) {
    const StepCase& c = GetParam();
    QStringList cells = {"1", "1", "0", "2", "100"};
    cells[c.row - 1] = c.cell;
    WorksheetSteps::fillCells(form(), cells, c.row);
    form().controls().Thebutton(c.button).click();
    EXPECT_EQ(form().controls().Thegrid.cellText(c.row, 1), c.written);
    EXPECT_EQ(parameterOf(program->valuation(), c.row), c.read);
    emit form().controls().Thegrid.userMovedCurrentCell();
    EXPECT_TRUE(services.takeMessages().empty());
}

using enum CommandButtons::Element;
const StepCase kStepCases[] = {
    {"english_up_stops_at_comma", kEnglish, 1, "1,5", Up, "2", 2.0f},
    {"comma_up_writes_comma", kDecimalComma, 1, "1,5", Up, "2,5", 2.5f},
    {"comma_up_from_period_text", kDecimalComma, 1, "1.5", Up, "2,5", 2.5f},
    {"comma_down_writes_comma", kDecimalComma, 4, "2,5", Down, "1,5", 1.5f},
    {"comma_down_below_zero", kDecimalComma, 3, "0,5", Down, "-0,5", -0.5f},
    {"comma_up_whole_stays_whole", kDecimalComma, 5, "4", Up, "5", 5.0f},
    {"no_period_locale_up_writes_comma", kSpaceGrouped, 1, "1,5", Up, "2,5", 2.5f},
};
INSTANTIATE_TEST_SUITE_P(Cases, SteppedFigures, ::testing::ValuesIn(kStepCases),
                         caseName<StepCase>);

// --- Conversions -----------------------------------------------------------------------------

struct ConversionCase {
    const char* name;
    NumberLocale locale;
    QString kind;
    QString rate;
    QString price;
    int row;
    QString written;
    float read;
    QString value;
};
void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.name;
}

using ConvertedFigures = LocaleWorksheet<ConversionCase>;

// State: earnings 2, dividends 1, growth 5, term 10, yield 10 (the value 20.30). Action: a
// conversion. Expected: the figure written with the locale's decimal separator and valued
// in full (with the figure cut at its separator the value would not change).
TEST_P(ConvertedFigures, AreValuedInFull) {
    const ConversionCase& c = GetParam();
    WorksheetSteps::fillCells(form(), {"2", "1", "5", "10", "10"}, c.row);
    WorksheetSteps::convert(*program, c.kind, c.rate, c.price);
    EXPECT_EQ(form().controls().Thegrid.cellText(c.row, 1), c.written);
    EXPECT_EQ(parameterOf(program->valuation(), c.row), c.read);
    EXPECT_EQ(form().controls().Valuebox.text(), c.value);
}

const ConversionCase kConversionCases[] = {
    {"english_ratio", kEnglish, ConversionKind::priceEarnings, "12.5", "40", 1, "3.20", 3.2f,
     "27.90"},
    {"comma_ratio", kDecimalComma, ConversionKind::priceEarnings, "12,5", "40", 1, "3,20", 3.2f,
     "27,90"},
    {"comma_yield", kDecimalComma, ConversionKind::dividendYield, "3,75", "40", 2, "1,50", 1.5f,
     "24,20"},
    {"comma_grouped_price", kDecimalComma, ConversionKind::priceEarnings, "10", "1.234,5", 1,
     "123,45", 123.45f, "783"},
};
INSTANTIATE_TEST_SUITE_P(Cases, ConvertedFigures, ::testing::ValuesIn(kConversionCases),
                         caseName<ConversionCase>);

// --- The top of the range --------------------------------------------------------------------

class DecimalCommaWorksheet : public WorksheetFixture {
protected:
    void SetUp() override { startWith(kDecimalComma); }
};

// State: a decimal-comma locale (the period groups digits) and the largest double in the
// cell. Action: Up +1, Down -1, then the cell loaded into the editor again. Expected: the sum
// is written with the decimal comma so that the locale's numeric test reads it within range
// (no "Invalid entry"), and the computation reads the same number, so the steps go on working.
TEST_F(DecimalCommaWorksheet, StepAtTheTopOfTheRangeReadsBack) {
    const QString largest = QStringLiteral("17976931348623157") + QString(292, QLatin1Char('0'));
    form().controls().Thegrid.setText(largest);
    form().controls().Thebutton(CommandButtons::Up).click();
    EXPECT_EQ(form().controls().Thegrid.cellText(1, 1).toStdString(), "1,7976931348623157e+308");
    form().controls().Thebutton(CommandButtons::Down).click();
    EXPECT_EQ(form().controls().Thegrid.cellText(1, 1).toStdString(), "1,7976931348623157e+308");
    emit form().controls().Thegrid.userMovedCurrentCell();
    EXPECT_EQ(form().controls().Entry.text().toStdString(), "1,7976931348623157e+308");
    EXPECT_TRUE(services.takeMessages().empty());
}

} // namespace
