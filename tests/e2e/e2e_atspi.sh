#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game through the accessibility bus alone, as a screen-reader user plays it: a
# private session bus, the real program at its real pace, and atspi.py. Under Xvfb a
# whole game is won; under a headless weston (`e2e_atspi.sh lid`) the lid slides open in
# about its second while the program answers. Either way the window is painted.
[ -n "${E2E_SESSION_BUS:-}" ] || E2E_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 BATONNETS_REPORT_FIRST_FRAME=1
if [ "${1:-play}" = lid ]; then
    export XDG_RUNTIME_DIR=$WORK WAYLAND_DISPLAY=batonnets-e2e QT_QPA_PLATFORM=wayland # WORK is private
    weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 &>"$WORK/weston.log" &
    PIDS+=($!)
    for _ in $(seq 200); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.05; done
else
    start_xvfb
fi
"$BIN" 2>"$WORK/app.log" &
PIDS+=($!)
/usr/bin/python3 -u "$(dirname "$0")/atspi.py" "${1:-play}" || fail "program: $(cat "$WORK/app.log")"
grep -q '^first-frame ' "$WORK/app.log" || fail "no frame painted: $(cat "$WORK/app.log")"
