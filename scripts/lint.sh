#!/usr/bin/env bash
# Static analysis of the project's own code, clean or failing: clang-tidy with the checks in
# .clang-tidy and cppcheck, over every source file that build/compile_commands.json names
# (generated files, which live in the build tree, are left out) and over the fuzzers' sources
# from their own configuration. Builds build/ first if it has not been configured.
source "$(dirname "$0")/common.sh"
install_missing_packages "${valmora_packages[@]}" "${valmora_test_packages[@]}" \
    "${valmora_fuzz_packages[@]}" "${valmora_lint_packages[@]}"
cd "$VALMORA_ROOT"
[ -f "$VALMORA_BUILD/compile_commands.json" ] || build_valmora -DVALMORA_BUILD_TESTS=ON
# The fuzzers' compile commands; configuring is enough, nothing there is generated.
fuzz_build="$VALMORA_ROOT/build-fuzz"
cmake -S "$VALMORA_ROOT" -B "$fuzz_build" -DVALMORA_BUILD_FUZZERS=ON \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null

tidy_log="$VALMORA_BUILD/lint-tidy.log"
ours='app|conversions|engine|tests|worksheet'
status=0

echo "clang-tidy: the project"
run-clang-tidy -quiet -p "$VALMORA_BUILD" -j "$(nproc)" \
    -header-filter "^$VALMORA_ROOT/($ours)/" "^$VALMORA_ROOT/($ours)/.*\.cpp$" \
    >"$tidy_log" 2>&1 || status=1
echo "clang-tidy: the fuzzers"
run-clang-tidy -quiet -p "$fuzz_build" -j "$(nproc)" \
    -header-filter "^$VALMORA_ROOT/($ours)/" "^$VALMORA_ROOT/tests/fuzz/.*\.cpp$" \
    >>"$tidy_log" 2>&1 || status=1
# Only the findings, without the tool's progress lines.
sed 's/\x1b\[[0-9;]*m//g' "$tidy_log" | grep -E "(warning|error):" | sort -u || true

# cppcheck's warning, performance and portability findings; its style family is left out
# (taste, not faults), and Qt's and GoogleTest's macros are known to it by its libraries.
cppcheck_options=(--enable=warning,performance,portability --std=c++20 --library=qt
                  --library=googletest --inline-suppr --quiet --error-exitcode=1
                  --suppress=missingIncludeSystem -j "$(nproc)")
# cppcheck matches its file filters against the paths as the project names them, relative
# to where it runs.
echo "cppcheck: the project"
cppcheck "${cppcheck_options[@]}" \
    --project="$(realpath --relative-to=. "$VALMORA_BUILD")/compile_commands.json" \
    --file-filter='app/*' --file-filter='conversions/*' --file-filter='engine/*' \
    --file-filter='tests/*' --file-filter='worksheet/*' || status=1
echo "cppcheck: the fuzzers"
cppcheck "${cppcheck_options[@]}" \
    --project="$(realpath --relative-to=. "$fuzz_build")/compile_commands.json" \
    --file-filter='tests/fuzz/*' || status=1

[ $status -eq 0 ] && echo "lint: clean" || echo "lint: findings above (clang-tidy's full output: $tidy_log)"
exit $status
