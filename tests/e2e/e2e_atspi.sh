#!/usr/bin/env bash
# A whole game through the accessibility bus alone, as a screen-reader user plays it: a
# private session bus and accessibility bus, the real program at its real pace, and a
# small AT-SPI client (atspi_play.py) that reads, presses and listens.
if [ -z "${E2E_A11Y_SESSION:-}" ]; then
    E2E_A11Y_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
start_xvfb
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/a11y.log" 2>&1 &
A11Y_PID=$!
trap 'kill $A11Y_PID 2>/dev/null || true; cleanup' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_game
timeout 300 /usr/bin/python3 -u "$(dirname "$0")/atspi_play.py" || fail "the game was not won through the accessibility bus"
