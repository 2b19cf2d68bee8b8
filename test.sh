#!/usr/bin/env bash
# Installs what is missing, builds Valmora with its tests and runs every test headless, then
# the engine's fuzzers for about 10 seconds each (scripts/fuzz.sh).
source "$(dirname "$0")/scripts/common.sh"
install_missing_packages "${valmora_packages[@]}" "${valmora_test_packages[@]}" \
    "${valmora_fuzz_packages[@]}"
prepare_test_locale
build_valmora -DVALMORA_BUILD_TESTS=ON
export QT_QPA_PLATFORM=offscreen LC_ALL=C
ctest --test-dir "$VALMORA_BUILD" --output-on-failure -j"$(nproc)" --timeout 120
"$VALMORA_ROOT/scripts/fuzz.sh" 10
