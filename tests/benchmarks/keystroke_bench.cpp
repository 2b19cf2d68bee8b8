#include "ExpectedValue.h"
#include "worksheet/controls/CaptionedLabel.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/ParameterCursor.h"
#include "worksheet/ParameterRow.h"
#include "RunningWorksheet.h"
#include "SteppedRun.h"
#include "worksheet/Valkubeform.h"


namespace {

// One keystroke end to end: a digit typed into the earnings row goes through Qt's key
// delivery to the editor (key down, key press, change with its recalculation, key up with
// the second one) and the worksheet is repainted in full. Between keystrokes, untimed, the
// editor's text is selected again, so that each digit replaces the last and the earnings
// run 1, 2, ..., 9, 1, ... with a new value every time.
void BM_Keystroke(benchmark::State& run, std::array<std::string, 5> parameters) {
    RunningWorksheet sheet;
    sheet.setParameters(parameters);
    Valkubeform& form = sheet.form();
    form.cursor().returnToFirstRow();
    sheet.settle();

    auto digitOf = [](long index) { return static_cast<int>(1 + index % 9); };
    runSteps(
        run,
        [&](long index) {
            const int digit = digitOf(index);
            sheet.typeKey(Qt::Key_0 + digit, QString::number(digit));
            sheet.repaintNow();
        },
        [&](long index) -> const char* {
            const QString digit = QString::number(digitOf(index));
            if (form.controls().Thegrid.cellText(ParameterRow::Earnings, 1) != digit)
                return "the typed digit did not reach the earnings cell";
            parameters[ParameterRow::Earnings - 1] = digit.toStdString();
            if (form.controls().Valuebox.text() != expectedValueText(parameters))
                return "the value box does not show the typed value";
            form.cursor().refocusEditor();
            sheet.settle();
            return nullptr;
        });
}
BENCHMARK_CAPTURE(BM_Keystroke, worked_example, std::array<std::string, 5>{"", "1", "5", "10", "10"})
    ->UseManualTime()
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);
// The longest term the worksheet takes, with a growth and a yield that keep it in range.
BENCHMARK_CAPTURE(BM_Keystroke, longest_term,
                  std::array<std::string, 5>{"", "1", "0", "32767", "0.01"})
    ->UseManualTime()
    ->Iterations(500)
    ->Unit(benchmark::kMicrosecond);

} // namespace
