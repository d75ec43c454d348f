#!/usr/bin/env bash
# Input during an animation, at the real pace: clicks made during the computer's move
# wait for its end, then are played against the board it left; a close request made
# during a long handler lets it finish on screen, then ends the program cleanly.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_game

click 190 401 # Ordinateur: the computer opens the game
burst=()
for k in 0 1 2 5 6 7; do burst+=(mousemove --window "$WIN" "$(slot "$k")" 160 click 1); done
click 315 402 # Jouer: open the lid (about a second), then the computer takes three sticks
for _ in $(seq 8); do
    xdotool "${burst[@]}"
    sleep 0.2
done
settle
img=$(shot burst)
# The computer took the three leftmost sticks, as if nothing had been clicked (clicks
# handled during its move would have given the player some); the first clicks on
# sticks it left then made the player's move.
for k in 0 1 2; do stick_at "$img" $k 20 || fail "stick $k: the computer's move was disturbed"; done
for k in 5 6 7; do stick_at "$img" $k 320 || fail "stick $k: the queued click was lost"; done

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
