#!/usr/bin/env bash
# Installs what is missing, builds in build/ and starts the program's window.
# On a machine without a display the window runs on a virtual X screen (Xvfb); a picture of
# that screen is saved in build/ so you can see it works. Ctrl-C ends the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"

PROGRAM="$BUILD/ui/relay-sequencer"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    install_missing "${BUILD_PACKAGES[@]}"
    configure_and_build
    exec "$PROGRAM"
fi

install_missing "${BUILD_PACKAGES[@]}" xvfb
configure_and_build

SCREENSHOT="$BUILD/screenshot.png"
xvfb_pid=""
program_pid=""
stop() {
    if [[ -n "$program_pid" ]]; then kill "$program_pid" 2>/dev/null || true; fi
    if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
}
trap stop EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself and writes its number to the pipe.
pipe="$(mktemp -u)"
mkfifo "$pipe"
Xvfb -displayfd 3 -screen 0 1280x800x24 -br -nolisten tcp 3>"$pipe" 2>/dev/null &
xvfb_pid=$!
read -r display <"$pipe" || true
rm -f "$pipe"
if [[ -z "${display:-}" ]]; then
    echo "Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb

"$PROGRAM" &
program_pid=$!

rm -f "$SCREENSHOT"
if "$BUILD/ui/tools/screen-grab" "$SCREENSHOT" 30; then
    echo "No display here: the window runs on the virtual screen $DISPLAY."
    echo "Screenshot of it: $SCREENSHOT"
else
    echo "Could not take a screenshot of the virtual screen $DISPLAY." >&2
fi
echo "Press Ctrl-C to stop."
wait "$program_pid"
program_pid=""
