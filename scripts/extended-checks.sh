#!/usr/bin/env bash
# The long checks that CI runs after the test command (about 20 minutes on 2 cores): every
# test built with AddressSanitizer and UndefinedBehaviorSanitizer, clang-tidy and cppcheck
# over our code, and the whole project built with every warning an error.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/sanitize.sh
scripts/lint.sh
source scripts/common.sh
VALMORA_BUILD="$VALMORA_ROOT/build-werror" build_valmora -DVALMORA_BUILD_TESTS=ON \
    -DVALMORA_WARNINGS_AS_ERRORS=ON
