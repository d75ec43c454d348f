#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under X at its real pace: its window and lid; clicks made while a new
# game opens the lid wait for the computer's first move, then are played against the
# board it left, and every _NET_WM_PING meanwhile is answered within 100 ms; a close
# request (the window manager's) made during a long handler lets it finish on screen,
# then ends the program with status 0; Quitter keeps the closed box a second on screen.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_game
xwininfo -id "$WIN" | grep -Pzq 'Width: 857\n *Height: 429\n' || fail "client area not 857x429"
# Docks match the window to its menu entry by the class of WM_CLASS.
xprop -id "$WIN" WM_CLASS | grep -qF ", \"$(sed -n 's/^StartupWMClass=//p' "$DESKTOP_ENTRY")\"" || fail "WM_CLASS vs StartupWMClass"
looks_like "$(shot closed)" 400 150 "$ASSETS/couvercle.jpg" 400 122 || fail "no lid shown"

click 190 401 # Ordinateur: the computer opens the game
"$XPOKE" ping "$WIN" &
ping_pid=$!
click 315 402 # Jouer: open the lid (about a second), then the computer takes three sticks
# Clicks on sticks the lid still covers: handled at once, they would be lost on the lid.
clicks=()
for k in 0 1 2 12 13 14; do clicks+=(mousemove --window "$WIN" "$(slot $k)" 160 click 1); done
xdotool "${clicks[@]}"
settle
kill "$ping_pid" 2>/dev/null || true # stopped while still pinging, xpoke ends with status 143
wait "$ping_pid" || [ $? = 143 ] || fail "a liveness ping went unanswered for over 100 ms"
img=$(shot burst)
# The computer took the three leftmost sticks, as if nothing had been clicked; then the
# clicks were played against the board it left, and made the player's move.
for k in 0 1 2; do stick_at "$img" $k 20 || fail "stick $k: the computer's move was disturbed"; done
for k in 12 13 14; do stick_at "$img" $k 320 || fail "stick $k: the queued click was lost"; done
for k in 7 19; do stick_at "$img" $k 160 || fail "stick $k not shown once the lid is open"; done

click 68 401  # Expert: an option arms Jouer again
click 315 402 # Jouer: align, close the lid and open it again, over three seconds
sleep 0.3
"$XPOKE" close "$WIN"
sleep 1.5 # past the alignment and into the lid's closing
timeout 10 xwininfo -id "$WIN" | grep -q IsViewable || fail "the window went before the handler's end"
wait_exit 15 || fail "close request during an animation: status $?"

start_game
click 783 403 # Quitter: align and close (all there already, a few passes), one still second, end
sleep 0.9
kill -0 "$APP_PID" || fail "Quitter did not keep the closed box a second on screen"
wait_exit 10 || fail "Quitter: status $?"
