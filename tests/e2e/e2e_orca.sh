#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole game played by keyboard with the real Orca screen reader, as a blind player
# plays it: a private session bus and X display, and orca.py, which starts Orca, types
# the keys and reads nothing but what Orca says (its debug log: no speech synthesiser
# needed).
[ -n "${E2E_SESSION_BUS:-}" ] || E2E_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/lib.sh"
export HOME=$WORK XDG_RUNTIME_DIR=$WORK QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 # all private
start_xvfb
/usr/bin/python3 -u "$(dirname "$0")/orca.py" "$WORK" &
player=$!
for _ in $(seq 400); do [ -e "$WORK/orca-ready" ] || ! kill -0 $player 2>/dev/null && break; sleep 0.05; done
[ -e "$WORK/orca-ready" ] || fail "Orca did not start: $(tail -n 20 "$WORK/orca.out")"
start_game
xdotool windowfocus --sync "$WIN"
wait $player || fail "program: $(cat "$WORK/app.log")"
