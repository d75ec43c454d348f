#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a screen-reader user plays it, on a private session bus, at its real pace: won
# through the accessibility bus alone under Xvfb (atspi.py); the lid read as it slides under a
# headless weston (`lid`); won by keyboard from what the real Orca says (`orca`, orca.py).
[ -n "${E2E_SESSION_BUS:-}" ] || E2E_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/lib.sh"
mode=${1:-play}
export HOME=$WORK XDG_RUNTIME_DIR=$WORK # private
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 BATONNETS_REPORT_FIRST_FRAME=1
if [ "$mode" = lid ]; then
    export WAYLAND_DISPLAY=batonnets-e2e QT_QPA_PLATFORM=wayland
    weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 &>"$WORK/weston.log" &
    PIDS+=($!)
    for _ in $(seq 200); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.05; done
else
    start_xvfb
fi
# The accessibility bus is started by the session bus, in the environment the session bus
# had when it started: without this, it would put its socket in the shared ~/.cache, where
# the other accessibility tests running beside this one put theirs at the same path.
dbus-update-activation-environment HOME XDG_RUNTIME_DIR ${DISPLAY:+DISPLAY} ${WAYLAND_DISPLAY:+WAYLAND_DISPLAY}
if [ "$mode" = orca ]; then
    /usr/bin/python3 -u "$(dirname "$0")/orca.py" "$WORK" &
    player=$!
    PIDS+=($player)
    for _ in $(seq 1200); do [ -e "$WORK/orca-ready" ] || ! kill -0 $player 2>/dev/null && break; sleep 0.05; done
    [ -e "$WORK/orca-ready" ] || fail "Orca did not start: $(tail -n 20 "$WORK/orca.out")"
    start_game
    # Orca follows the window once it is told of its activation, which the program's
    # accessibility bridge, still connecting as the window appears, may not pass on: so
    # once Orca knows of the program, the window loses the focus to the root window and
    # gets it back, till Orca reads it.
    for _ in $(seq 600); do grep -q '\[application | batonnets\]' "$WORK/orca.log" && break; sleep 0.05; done
    heard() { grep -q "SPEECH OUTPUT: 'Normale" "$WORK/orca.log"; }
    root=$(xdotool search --maxdepth 0 --name '')
    xdotool windowfocus --sync "$WIN"
    for _ in 1 2 3 4 5; do
        for _ in $(seq 100); do heard && break 2; sleep 0.05; done
        xdotool windowfocus --sync "$root" windowfocus --sync "$WIN"
    done
    heard || fail "Orca never read the window; what it had of the program:
$(grep -a 'EVENT MANAGER: .*batonnets' "$WORK/orca.log" | tail -n 30)"
    touch "$WORK/window-read" # the player may type
else
    "$BIN" &>"$WORK/app.log" &
    PIDS+=($!)
    /usr/bin/python3 -u "$(dirname "$0")/atspi.py" "$mode" &
    player=$!
fi
wait $player || fail "program: $(cat "$WORK/app.log")"
grep -q '^first-frame ' "$WORK/app.log" || fail "no frame painted: $(cat "$WORK/app.log")"
