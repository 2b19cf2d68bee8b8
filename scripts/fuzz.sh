#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS]: builds the engine's fuzzers with clang (libFuzzer with
# AddressSanitizer and UndefinedBehaviorSanitizer) in build-fuzz/ and runs each target for
# SECONDS (default 10), two at a time through CTest: the checked-in corpus
# tests/fuzz/corpus/<target>/ first, then new inputs. A finding fails the run; its input is
# left as build-fuzz/tests/fuzz/crash-<target>-<hash>.
source "$(dirname "$0")/common.sh"
install_missing_packages cmake make g++ "${valmora_fuzz_packages[@]}"
seconds="${1:-10}"
fuzz_build="$VALMORA_ROOT/build-fuzz"
cmake -S "$VALMORA_ROOT" -B "$fuzz_build" -DVALMORA_BUILD_FUZZERS=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVALMORA_FUZZ_SECONDS="$seconds" >/dev/null
cmake --build "$fuzz_build" -j"$(nproc)"
ctest --test-dir "$fuzz_build" --output-on-failure -j2
