#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor.
set -euo pipefail
cd "$(dirname "$0")"
. tools/deps.sh
vantaedit_install "${VANTAEDIT_BUILD_PACKAGES[@]}" "${VANTAEDIT_RUN_PACKAGES[@]}" qt6-qpa-plugins
vantaedit_build build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found. Start the editor under a virtual display, for example:" >&2
    echo "    apt-get install -y xvfb && xvfb-run ./run.sh" >&2
    exit 1
fi
exec ./build/app/vantaedit "$@"
