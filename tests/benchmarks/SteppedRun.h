#pragma once

#include "tests/benchmarks/support/StepTimes.h"

#include <benchmark/benchmark.h>

#include <chrono>

// Runs a benchmark whose iterations are single user steps on the running program: `step`
// is timed alone with the steady clock (the benchmark's time is that manual time), then
// `check` looks at what the step left on the screen, untimed, and names the first fault it
// finds (nullptr when all is well), which ends the run as an error. The median (p50_us) and
// the 99th percentile (p99_us) of the steps are reported beside the mean.
template <class Step, class Check> void runSteps(benchmark::State& run, Step step, Check check) {
    using Clock = std::chrono::steady_clock;
    StepTimes times;
    times.reserve(static_cast<std::size_t>(run.max_iterations));
    long index = 0;
    for (auto _ : run) {
        const Clock::time_point start = Clock::now();
        step(index);
        const auto elapsed = std::chrono::duration_cast<StepTimes::Duration>(Clock::now() - start);
        run.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        times.add(elapsed);
        if (const char* fault = check(index)) {
            run.SkipWithError(fault);
            break;
        }
        ++index;
    }
    auto microseconds = [](StepTimes::Duration duration) {
        return std::chrono::duration<double, std::micro>(duration).count();
    };
    run.counters["p50_us"] = microseconds(times.percentile(50));
    run.counters["p99_us"] = microseconds(times.percentile(99));
}
