#include "ComputeValuation.h"
#include "DetailTable.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

// Hands out fixed parameter texts and keeps only the last value text.
class BenchSheet : public ValuationSheet {
public:
    explicit BenchSheet(std::string term) : parameters_{"2", "1", "5", std::move(term), "10"} {}

    void hideDetailTable() override {}
    std::string parameterText(int row) const override { return parameters_[row - 1]; }
    void setCurrentColumn(int) override {}
    void setValueText(std::string_view text) override { benchmark::DoNotOptimize(text.data()); }

private:
    std::array<std::string, 5> parameters_;
};

void BM_ComputeValuation(benchmark::State& run) {
    BenchSheet sheet(std::to_string(run.range(0)));
    ValuationState state;
    const NumberLocale locale;
    for (auto _ : run)
        benchmark::DoNotOptimize(ComputeValuation(sheet, state, locale));
}
BENCHMARK(BM_ComputeValuation)->Arg(10)->Arg(18)->Arg(100);

void BM_BuildDetailTable(benchmark::State& run) {
    const ValuationState state{2, 1, 5, static_cast<float>(run.range(0)), 10, 0};
    const NumberLocale locale;
    for (auto _ : run)
        benchmark::DoNotOptimize(buildDetailTable(state, locale));
}
BENCHMARK(BM_BuildDetailTable)->Arg(18);

} // namespace
