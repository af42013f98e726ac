#!/usr/bin/env bash
# Shared by run.sh and test.sh: install what is missing, then configure and build in build/.
# Safe to run again: installs nothing that is present and rebuilds only what changed.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"

install_missing() {
    local missing=()
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        local sudo=()
        if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
        "${sudo[@]}" apt-get update -q
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
}

BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-serialport-dev libjpeg-dev
                libgl-dev libgtest-dev libgmock-dev fonts-dejavu-core)

configure_and_build() {
    if [[ ! -f "$BUILD/CMakeCache.txt" ]]; then
        cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$BUILD" -j"$(nproc)"
}
