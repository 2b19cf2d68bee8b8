#include "ExpectedValue.h"
#include "worksheet/controls/CaptionedLabel.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/PadControl.h"
#include "worksheet/ParameterRow.h"
#include "RunningWorksheet.h"
#include "SteppedRun.h"
#include "worksheet/Valkubeform.h"


namespace {

constexpr int lastTerm = 18;   // the pad's right-most band
constexpr int lowestBand = 41; // the pad's bottom band (growth 0)
constexpr int bandTwips = 120;

struct PadPoint {
    int across;
    int down;
};

// 0, 1, ..., last, last - 1, ..., 1, 0, 1, ...
int bounce(long step, int last) {
    const long phase = step % (2L * last);
    return static_cast<int>(phase <= last ? phase : 2L * last - phase);
}

// A long drag across the whole pad: the pointer runs diagonally and bounces off the edges,
// one band across and one down per move, so every move changes the term, the growth rate,
// both cross-hair lines and the value.
PadPoint dragPoint(long step) {
    return {bounce(step, lastTerm), bounce(step, lowestBand)};
}

// Inside the band, clear of its edges (the right-most band is only half as wide).
QPoint pixelsOf(const PadControl& pad, PadPoint point) {
    return pad.toWidgetPixels(
        QPointF(point.across * bandTwips + bandTwips / 4, point.down * bandTwips + bandTwips / 2));
}

// One drag step end to end: a mouse move with the left button held goes through Qt's event
// delivery to the pad; the cross-hair, the term and growth cells and the value follow, and
// the worksheet is repainted in full.
void BM_DragStep(benchmark::State& run) {
    RunningWorksheet sheet;
    const std::array<std::string, 5> parameters{"2", "1", "5", "10", "10"};
    sheet.setParameters(parameters);
    Valkubeform& form = sheet.form();
    PadControl& pad = form.controls().Picture1;
    sheet.pressLeft(pad, pixelsOf(pad, dragPoint(0)));
    sheet.settle();

    runSteps(
        run,
        [&](long index) {
            sheet.moveHoldingLeft(pad, pixelsOf(pad, dragPoint(index + 1)));
            sheet.repaintNow();
        },
        [&](long index) -> const char* {
            const PadPoint point = dragPoint(index + 1);
            const QString term = QString::number(point.across);
            const QString growth = QString::number(lowestBand - point.down);
            if (pad.verticalLineX() != point.across * bandTwips ||
                pad.horizontalLineY() != point.down * bandTwips)
                return "the cross-hair did not follow the drag";
            if (form.controls().Thegrid.cellText(ParameterRow::Term, 1) != term ||
                form.controls().Thegrid.cellText(ParameterRow::Growth, 1) != growth)
                return "the term and growth cells did not follow the drag";
            std::array<std::string, 5> now = parameters;
            now[ParameterRow::Growth - 1] = growth.toStdString();
            now[ParameterRow::Term - 1] = term.toStdString();
            if (form.controls().Valuebox.text() != expectedValueText(now))
                return "the value box does not show the dragged-to value";
            sheet.settle();
            return nullptr;
        });
    sheet.releaseLeft(pad, pixelsOf(pad, dragPoint(0)));
}
// Twice the diagonal's whole cycle (it is back at its start after 2 x 18 x 41 moves).
BENCHMARK(BM_DragStep)
    ->UseManualTime()
    ->Iterations(4 * lastTerm * lowestBand)
    ->Unit(benchmark::kMicrosecond);

} // namespace
