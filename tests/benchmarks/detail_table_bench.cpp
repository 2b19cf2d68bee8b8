#include "RunningWorksheet.h"
#include "SteppedRun.h"
#include "engine/DetailTable.h"
#include "worksheet/CommandButtons.h"
#include "worksheet/Valkubeform.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/PictureButton.h"

#include <string>

namespace {

// Detail on the real worksheet, from the button's release to the table painted: the
// valuation, the table's arithmetic, the grid taking the table and painting its first rows.
// Between builds, untimed, a second click hides the table and the button goes down again.
void BM_Detail(benchmark::State& run, ValuationState figures) {
    RunningWorksheet sheet;
    const int term = static_cast<int>(figures.termYears);
    sheet.setParameters({"2", "1", std::to_string(static_cast<int>(figures.growthPercent)),
                         std::to_string(term), QString::number(figures.yieldPercent).toStdString()});
    Valkubeform& form = sheet.form();
    const GridControl& table = form.controls().Detailgrid;
    const PictureButton& detail = form.controls().Thebutton(CommandButtons::Detail);
    const QString total =
        QString::fromStdString(buildDetailTable(figures, NumberLocale{}).rows.back()[4]);
    sheet.pressButton(detail);
    runSteps(
        run,
        [&](long) {
            sheet.releaseLeft(detail, detail.rect().center());
            sheet.repaintNow();
        },
        [&](long) -> const char* {
            if (!table.isVisible() || table.rowCount() != term + 2 ||
                table.cellText(term + 1, 4) != total)
                return "the detail table was not shown in full";
            sheet.pressButton(detail);
            sheet.releaseLeft(detail, detail.rect().center());
            sheet.settle();
            sheet.pressButton(detail);
            return nullptr;
        });
}
BENCHMARK_CAPTURE(BM_Detail, term_10, ValuationState{2, 1, 5, 10, 10, 0})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Detail, term_100, ValuationState{2, 1, 5, 100, 10, 0})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
// The longest term the worksheet takes, with the growth and the yield that keep every figure
// of its 32,767 years in range.
BENCHMARK_CAPTURE(BM_Detail, term_32767, ValuationState{2, 1, 0, 32767, 0.01f, 0})
    ->UseManualTime()
    ->Iterations(100)
    ->Unit(benchmark::kMicrosecond);

} // namespace
