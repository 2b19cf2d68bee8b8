# Shared by run.sh, test.sh and bench.sh: installs the Debian packages the build needs
# (only those missing) and configures and builds Valmora in build/.
set -euo pipefail

VALMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VALMORA_BUILD="${VALMORA_BUILD:-$VALMORA_ROOT/build}"

valmora_packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev
                  fonts-liberation2)

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
