#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks and runs them.
source "$(dirname "$0")/scripts/common.sh"
# The benchmarks live among the tests, so their folder (and GoogleTest) comes along.
install_missing_packages "${valmora_packages[@]}" libgtest-dev libbenchmark-dev
build_valmora -DVALMORA_BUILD_TESTS=ON -DVALMORA_BUILD_BENCHMARKS=ON
"$VALMORA_BUILD/tests/benchmarks/valmora-bench" "$@"
