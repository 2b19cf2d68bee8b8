#include "engine/Valuation.h"
#include "engine/DetailTable.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_Valuate(benchmark::State& run) {
    const ParameterTexts cells{"2", "1", "5", std::to_string(run.range(0)), "10"};
    ValuationState state;
    const NumberLocale locale;
    for (auto _ : run) {
        ValuationResult result = valuate(cells, state, locale);
        state = result.figures;
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Valuate)->Arg(10)->Arg(18)->Arg(100);

// The table's arithmetic and texts alone; FillDetailTable below adds the grid writes.
void BM_BuildDetailTable(benchmark::State& run) {
    const ValuationState state{2, 1, 5, static_cast<float>(run.range(0)), 10, 0};
    const NumberLocale locale;
    for (auto _ : run)
        benchmark::DoNotOptimize(buildDetailTable(state, locale));
}
BENCHMARK(BM_BuildDetailTable)->Arg(18);

} // namespace
