#!/usr/bin/env bash
# Installs what is missing, builds Valmora (without its tests) and starts it.
source "$(dirname "$0")/scripts/common.sh"
install_missing_packages "${valmora_packages[@]}"
build_valmora -DVALMORA_BUILD_TESTS=OFF
exec "$VALMORA_BUILD/app/valmora" "$@"
