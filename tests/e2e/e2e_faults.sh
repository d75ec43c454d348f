#!/usr/bin/env bash
# Input during an animation, at the real pace: clicks made while a new game opens the lid
# wait for the computer's first move, then are played against the board it left; a close
# request made during a long handler lets it finish on screen, then ends the program.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_game

click 190 401 # Ordinateur: the computer opens the game
click 315 402 # Jouer: open the lid (about a second), then the computer takes three sticks
# Clicks on sticks the lid still covers: handled at once, they would be lost on the lid.
clicks=()
for k in 0 1 2 12 13 14; do clicks+=(mousemove --window "$WIN" "$(slot $k)" 160 click 1); done
xdotool "${clicks[@]}"
settle
img=$(shot burst)
# The computer took the three leftmost sticks, as if nothing had been clicked; then the
# clicks were played against the board it left, and made the player's move.
for k in 0 1 2; do stick_at "$img" $k 20 || fail "stick $k: the computer's move was disturbed"; done
for k in 12 13 14; do stick_at "$img" $k 320 || fail "stick $k: the queued click was lost"; done

click 68 401  # Expert: an option arms Jouer again
click 315 402 # Jouer: align, close the lid and open it again, over two seconds
sleep 0.3
start=$(date +%s%N)
"$XPOKE" close "$WIN"
sleep 0.5
timeout 10 xwininfo -id "$WIN" | grep -q IsViewable || fail "the window went before the handler's end"
wait_exit 15
[ "$STATUS" = 0 ] || fail "close request during an animation: status $STATUS"
[ "$(ms_since "$start")" -ge 1000 ] || fail "the program ended before the handler's end"
