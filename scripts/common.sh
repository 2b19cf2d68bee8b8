# Shared by run.sh, test.sh and bench.sh: installs the Debian packages the build needs
# (only those missing) and configures and builds Valmora in build/.
set -euo pipefail

VALMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VALMORA_BUILD="${VALMORA_BUILD:-$VALMORA_ROOT/build}"

# What building and running the program needs (the font is the worksheet's).
valmora_packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation2)
# What the tests need on top: GoogleTest; python3 for the icon check; the validators of the
# desktop entry and the AppStream metadata; dpkg-dev (dpkg-shlibdeps) and file, which CPack
# uses to build the Debian package; lintian to judge it.
valmora_test_packages=(libgtest-dev python3 desktop-file-utils appstream dpkg-dev file lintian)
# The fuzzers: clang with libFuzzer and the sanitizer runtimes.
valmora_fuzz_packages=(clang libclang-rt-14-dev)
# The static analysis (scripts/lint.sh).
valmora_lint_packages=(clang-tidy cppcheck)

install_missing_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_valmora() {
    cmake -S "$VALMORA_ROOT" -B "$VALMORA_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$VALMORA_BUILD" -j"$(nproc)"
}
