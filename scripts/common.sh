# Shared by run.sh, test.sh and bench.sh: installs the Debian packages the build needs
# (only those missing) and configures and builds Valmora in build/.
set -euo pipefail

VALMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VALMORA_BUILD="${VALMORA_BUILD:-$VALMORA_ROOT/build}"

# What building and running the program needs (the font is the worksheet's; start-up reads
# the font configuration itself, hence the font library's headers).
valmora_packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libfontconfig-dev
    fonts-liberation2)
# What the tests need on top: GoogleTest; python3 for the icon check; the validators of the
# desktop entry and the AppStream metadata; dpkg-dev (dpkg-shlibdeps) and file, which CPack
# uses to build the Debian package; lintian to judge it; for the screen reader's view
# (tests/atspi) a display with a window manager, a D-Bus session, the AT-SPI bus, pyatspi and
# xdotool to type and click.
valmora_test_packages=(libgtest-dev python3 desktop-file-utils appstream dpkg-dev file lintian
    xvfb openbox dbus-daemon dbus-bin at-spi2-core python3-pyatspi python3-gi xdotool)
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

# The tests also run the program in a German session (decimal comma), which needs the C
# library's de_DE.UTF-8. Where the system lacks it, it is generated from the Debian package
# `locales` (as root, or through sudo) and listed in /etc/locale.gen so that later runs of
# locale-gen keep it. Nothing happens where it is present; where it cannot be made, a warning
# says so and those tests are skipped.
valmora_test_locale=de_DE.UTF-8

# Whether the C library has the locale: "de_DE.UTF-8" is listed as "de_DE.utf8".
has_locale() {
    local wanted="${1,,}" available
    available="$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | tr -d '-')"
    grep -qx "${wanted//-/}" <<<"$available"
}

generate_locale() {
    local name="$1" charset="${1#*.}"
    local entry="$name $charset"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    install_missing_packages locales || return 1
    if ! grep -qx "$entry" /etc/locale.gen 2>/dev/null; then
        if grep -qx "# *$entry" /etc/locale.gen 2>/dev/null; then
            "${sudo[@]}" sed -i "s/^# *$entry\$/$entry/" /etc/locale.gen || return 1
        else
            echo "$entry" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null || return 1
        fi
    fi
    # As locale-gen does it, but for this one locale: the others stay as they are. Warnings
    # make localedef's status non-zero although the locale is made, so the check below decides.
    "${sudo[@]}" localedef -i "${name%%.*}" -c -f "$charset" -A /usr/share/locale/locale.alias \
        "$name" || true
    has_locale "$name"
}

prepare_test_locale() {
    has_locale "$valmora_test_locale" && return 0
    echo "Generating the locale $valmora_test_locale for the tests"
    generate_locale "$valmora_test_locale" ||
        echo "warning: the locale $valmora_test_locale could not be made; the tests that need it" \
            "are skipped" >&2
}

build_valmora() {
    cmake -S "$VALMORA_ROOT" -B "$VALMORA_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$VALMORA_BUILD" -j"$(nproc)"
}
