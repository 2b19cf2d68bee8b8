#!/usr/bin/env bash
# scripts/soak.sh [ACTIONS [SEED]]: the long random-input soak. valmora-soak (built in build/
# with the tests) gives the program ACTIONS random user actions (default 100000) made up from
# SEED (default: a random seed) and checks after each one what a user relies on. It prints
# the seed first; a failure names the action and writes the actions since the program's
# last start to build/soak-failure-SEED.scenario, a script for valmora-scenario.
source "$(dirname "$0")/common.sh"
install_missing_packages "${valmora_packages[@]}" "${valmora_test_packages[@]}"
cmake -S "$VALMORA_ROOT" -B "$VALMORA_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVALMORA_BUILD_TESTS=ON >/dev/null
cmake --build "$VALMORA_BUILD" -j"$(nproc)" --target valmora-soak
cd "$VALMORA_BUILD"
QT_QPA_PLATFORM=offscreen LC_ALL=C tests/soak/valmora-soak "${1:-100000}" ${2:+"$2"}
