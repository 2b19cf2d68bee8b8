#include "ExpectedValue.h"
#include "RunningWorksheet.h"
#include "SteppedRun.h"
#include "worksheet/CommandButtons.h"
#include "worksheet/ParameterRow.h"
#include "worksheet/Valkubeform.h"
#include "worksheet/controls/CaptionedLabel.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/PictureButton.h"

#include <QFile>

#include <string>

namespace {

// The longest term the worksheet takes, with the growth and the yield that keep every
// figure of its 32,767 years in range.
const std::array<std::string, 5> longTerm{"2", "1", "0", "32767", "0.01"};

// Up +1 on the earnings at the longest term, from the release to the value painted; the
// earnings run 3, 4, 5, ...
void BM_UpLongTerm(benchmark::State& run) {
    RunningWorksheet sheet;
    std::array<std::string, 5> parameters = longTerm;
    sheet.setParameters(parameters);
    Valkubeform& form = sheet.form();
    const PictureButton& up = form.controls().Thebutton(CommandButtons::Up);
    sheet.pressButton(up);
    runSteps(
        run,
        [&](long) {
            sheet.releaseLeft(up, up.rect().center());
            sheet.repaintNow();
        },
        [&](long index) -> const char* {
            parameters[ParameterRow::Earnings - 1] = std::to_string(3 + index);
            if (form.controls().Valuebox.text() != expectedValueText(parameters))
                return "the value box does not show the raised value";
            sheet.settle();
            sheet.pressButton(up);
            return nullptr;
        });
}
BENCHMARK(BM_UpLongTerm)->UseManualTime()->Iterations(500)->Unit(benchmark::kMicrosecond);

long statusKibibytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<int>(qstrlen(field))).trimmed().split(' ').front().toLong();
    }
    return -1;
}

// How far the peak resident memory rises above the program's while the longest table is
// built and shown (Linux: writing 5 to clear_refs starts the peak afresh).
void BM_DetailLongTermMemory(benchmark::State& run) {
    RunningWorksheet sheet;
    sheet.setParameters(longTerm);
    const PictureButton& detail = sheet.form().controls().Thebutton(CommandButtons::Detail);
    for (auto _ : run) {
        sheet.pressButton(detail);
        QFile peak(QStringLiteral("/proc/self/clear_refs"));
        if (!peak.open(QIODevice::WriteOnly) || peak.write("5") != 1) {
            run.SkipWithError("the peak memory cannot be reset here");
            return;
        }
        peak.close();
        const long before = statusKibibytes("VmRSS:");
        sheet.releaseLeft(detail, detail.rect().center());
        sheet.repaintNow();
        sheet.settle();
        if (!sheet.form().controls().Detailgrid.isVisible()) {
            run.SkipWithError("the detail table was not shown");
            return;
        }
        run.counters["peak_above_MiB"] =
            static_cast<double>(statusKibibytes("VmHWM:") - before) / 1024.0;
    }
}
BENCHMARK(BM_DetailLongTermMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
