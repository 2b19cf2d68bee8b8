#include "worksheet/DetailTableView.h"
#include "worksheet/controls/GridControl.h"
#include "RunningWorksheet.h"
#include "SteppedRun.h"
#include "worksheet/Valkubeform.h"

#include <string>

namespace {

// FillDetailTable on the real worksheet: the valuation, the table's arithmetic and every
// write into the detail grid, up to the table being shown. Between builds, untimed, the
// pending paints are delivered.
void BM_FillDetailTable(benchmark::State& run) {
    RunningWorksheet sheet;
    const int term = static_cast<int>(run.range(0));
    sheet.setParameters({"2", "1", "5", std::to_string(term), "10"});
    GridControl& table = sheet.form().controls().Detailgrid;
    runSteps(
        run, [&](long) { sheet.form().detailTableView().fillDetailTable(); },
        [&](long) -> const char* {
            if (!table.isVisible() || table.rowCount() != term + 2)
                return "the detail table was not shown in full";
            sheet.settle();
            return nullptr;
        });
}
BENCHMARK(BM_FillDetailTable)->Arg(10)->Arg(100)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
