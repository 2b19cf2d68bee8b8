#include "ExpectedValue.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/ParameterCursor.h"
#include "worksheet/ParameterRow.h"
#include "RunningWorksheet.h"
#include "SteppedRun.h"
#include "worksheet/Valkubeform.h"

#include <QLabel>

namespace {

// One keystroke end to end: a digit typed into the earnings row goes through Qt's key
// delivery to the editor (key down, key press, change with its recalculation, key up with
// the second one) and the worksheet is repainted in full. Between keystrokes, untimed, the
// editor's text is selected again, so that each digit replaces the last and the earnings
// run 1, 2, ..., 9, 1, ... with a new value every time.
void BM_Keystroke(benchmark::State& run) {
    RunningWorksheet sheet;
    std::array<std::string, 5> parameters{"", "1", "5", "10", "10"};
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
BENCHMARK(BM_Keystroke)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace
