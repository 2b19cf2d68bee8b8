#!/usr/bin/env bash
# Installs what is missing, builds Valmora with its tests and runs every test headless.
source "$(dirname "$0")/scripts/common.sh"
install_missing_packages "${valmora_packages[@]}" "${valmora_test_packages[@]}"
prepare_test_locale
build_valmora -DVALMORA_BUILD_TESTS=ON
export QT_QPA_PLATFORM=offscreen LC_ALL=C
ctest --test-dir "$VALMORA_BUILD" --output-on-failure -j"$(nproc)" --timeout 120
