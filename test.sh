#!/usr/bin/env bash
# Installs what is missing, builds in build/ and runs the whole test suite.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
install_missing "${BUILD_PACKAGES[@]}"
configure_and_build
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
