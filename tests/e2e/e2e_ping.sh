#!/usr/bin/env bash
# The window stays alive during the longest handler (a new game after one was played,
# with the computer to start: align, close, open, the computer's move, several seconds
# at the real pace): every _NET_WM_PING is answered within 100 ms. Meanwhile a click
# on Fermer waits for the handler's end: the handler ends by opening the lid, so the
# lid is closed at the end only if the click ran after it. Handled during the alignment,
# the handler's own opening would undo it; dropped, nothing would close the lid.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_game

stick_px=$(pixel "$ASSETS/batonnet.jpg" 12 124)
lid_px=$(pixel "$ASSETS/couvercle.jpg" 400 122)
slot() { echo $((18 + 42 * $1 + 12)); } # x of stick k of the 20-stick row

# A short game first, so that the next alignment has sticks to bring back: the player
# takes sticks 0 and 1, the computer answers 18 with one stick (stick 2).
click 315 402 # Jouer
settle
click "$(slot 0)" 160
sleep 0.3
click "$(slot 1)" 160
sleep 0.3
click 542 404 # Validez votre coup
settle

click 190 401 # Ordinateur: the next game must close the lid before laying out the row
"$XPOKE" ping "$WIN" 250 10 100 >"$WORK/ping.log" 2>&1 &
ping_pid=$!
sleep 0.5
start=$(date +%s%N)
click 315 402 # Jouer: the longest handler
sleep 0.2
click 783 362 # Fermer, while the sticks are still being aligned
wait "$ping_pid" && pinged=0 || pinged=$?
cat "$WORK/ping.log"
[ "$pinged" = 0 ] || fail "a liveness ping went unanswered for more than 100 ms"
echo "pinged for $(( ($(date +%s%N) - start) / 1000000 )) ms from the click on Jouer"
# The pings must have covered the whole handler: the window no longer changes.
img=$(shot after)
settle
pixels() { convert "$1" rgb:- | md5sum; }
[ "$(pixels "$img")" = "$(pixels "$(shot settled)")" ] ||
    fail "the handler outlasted the pings: lengthen them"

near "$(pixel "$img" 400 150)" "$lid_px" ||
    fail "the lid should be closed: Fermer ran during the handler, or never"

# The handler itself went through: opened, the computer took the three leftmost sticks.
click 315 362 # Ouvrir
settle
img=$(shot opened)
for k in 0 1 2; do
    near "$(pixel "$img" "$(slot $k)" 160)" "$stick_px" && fail "stick $k should have been taken"
done
for k in 3 10 19; do
    near "$(pixel "$img" "$(slot $k)" 160)" "$stick_px" || fail "stick $k should be in its slot"
done
echo "pings answered throughout; Fermer ran after the handler"
