#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
. tools/deps.sh
vantaedit_install "${VANTAEDIT_BUILD_PACKAGES[@]}" "${VANTAEDIT_RUN_PACKAGES[@]}" \
    "${VANTAEDIT_TEST_PACKAGES[@]}"
vantaedit_build build -DVANTAEDIT_WERROR=ON
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
