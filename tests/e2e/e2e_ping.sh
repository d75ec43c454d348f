#!/usr/bin/env bash
# The window stays alive during the longest handler (a new game after one was played,
# with the computer to start: align, close, open, the computer's move, several seconds
# at the real pace): every _NET_WM_PING is answered within 100 ms.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_game

# A short game first, so that the alignment has sticks to bring back: the player takes
# three, which ends the move, and the computer answers.
click 315 402 # Jouer
settle
for k in 0 1 2; do click "$(slot $k)" 160; done
settle
click 190 401 # Ordinateur
"$XPOKE" ping "$WIN" 8 &
ping_pid=$!
sleep 0.3
click 315 402 # Jouer: the longest handler
wait "$ping_pid" || fail "a liveness ping went unanswered for over 100 ms"
# The pings covered the whole handler: the window no longer changes.
settle
[ "$CHANGES" = 0 ] || fail "the handler outlasted the pings: lengthen them"
