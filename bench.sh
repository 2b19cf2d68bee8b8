#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks and runs them: the in-process figures
# (Google Benchmark; arguments go to it, e.g. --benchmark_filter=Drag), then the
# whole-process start-up figures under Xvfb (scripts/startup-bench.sh), unless
# VALMORA_BENCH_SKIP_STARTUP is set.
source "$(dirname "$0")/scripts/common.sh"
# The benchmarks live among the tests, so their folder (and GoogleTest) comes along.
install_missing_packages "${valmora_packages[@]}" libgtest-dev libbenchmark-dev xvfb openbox x11-utils
build_valmora -DVALMORA_BUILD_TESTS=ON -DVALMORA_BUILD_BENCHMARKS=ON

# On a shared machine other processes preempt a benchmark for whole scheduler ticks, which
# would show as the 99th percentile; as root the steps run at a real-time priority, so that
# the figures are the program's own.
priority=()
[ "$(id -u)" -eq 0 ] && command -v chrt >/dev/null && priority=(chrt -f 1)
"${priority[@]}" "$VALMORA_BUILD/tests/benchmarks/valmora-bench" "$@"

[ -n "${VALMORA_BENCH_SKIP_STARTUP:-}" ] || "$VALMORA_ROOT/scripts/startup-bench.sh" "$VALMORA_BUILD"
