#!/usr/bin/env bash
# Runs a command as a screen reader user's session has it: on a virtual display, with a session
# bus and the accessibility (AT-SPI) bus on it, and Qt's accessibility on.
#
#     tools/with-a11y-bus.sh [--wm] COMMAND [ARGS...]
#
# --wm starts a small window manager (openbox) too. Needs xvfb, dbus, at-spi2-core.
set -euo pipefail
wm=false
if [ "${1:-}" = --wm ]; then
    wm=true
    shift
fi
for launcher in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$launcher" ] && break
done
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 VANTAEDIT_WM=$wm VANTAEDIT_ATSPI=$launcher
exec xvfb-run -a -s "-screen 0 1600x1000x24" dbus-run-session -- bash -c '
    "$VANTAEDIT_ATSPI" --launch-immediately &
    if [ "$VANTAEDIT_WM" = true ]; then openbox >/dev/null 2>&1 & fi
    sleep 1
    exec "$@"' bash "$@"
