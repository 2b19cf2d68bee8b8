#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks and runs them.
source "$(dirname "$0")/scripts/common.sh"
install_missing_packages "${valmora_packages[@]}" libbenchmark-dev
build_valmora -DVALMORA_BUILD_BENCHMARKS=ON
"$VALMORA_BUILD/tests/benchmarks/valmora-bench" "$@"
