#include "BenchSheet.h"
#include "ComputeValuation.h"
#include "DetailTable.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_ComputeValuation(benchmark::State& run) {
    BenchSheet sheet({"2", "1", "5", std::to_string(run.range(0)), "10"});
    ValuationState state;
    const NumberLocale locale;
    for (auto _ : run)
        benchmark::DoNotOptimize(ComputeValuation(sheet, state, locale));
}
BENCHMARK(BM_ComputeValuation)->Arg(10)->Arg(18)->Arg(100);

// The table's arithmetic and texts alone; FillDetailTable below adds the grid writes.
void BM_BuildDetailTable(benchmark::State& run) {
    const ValuationState state{2, 1, 5, static_cast<float>(run.range(0)), 10, 0};
    const NumberLocale locale;
    for (auto _ : run)
        benchmark::DoNotOptimize(buildDetailTable(state, locale));
}
BENCHMARK(BM_BuildDetailTable)->Arg(18);

} // namespace
