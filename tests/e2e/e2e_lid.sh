#!/usr/bin/env bash
# The lid at its real pace: opening shows the sticks in their slots; a Fermer clicked
# while the lid is still opening takes effect afterwards; Quitter ends the program
# after its closing scene and one still second.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_game

stick_px=$(pixel "$ASSETS/batonnet.jpg" 12 124)
click 315 362 # Ouvrir
sleep 0.3
click 783 362 # Fermer, while the lid is still sliding open
settle
img=$(shot closed_again)
near "$(pixel "$img" 400 150)" "$(pixel "$ASSETS/couvercle.jpg" 400 122)" ||
    fail "the lid should have closed after opening"

click 315 362
settle
img=$(shot open)
for k in 0 7 19; do
    near "$(pixel "$img" $((18 + 42 * k + 12)) 160)" "$stick_px" || fail "stick $k not shown"
done

start=$(date +%s%N)
click 783 403 # Quitter: align (21 passes), close (858 passes), one second, end
wait_exit 10
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$STATUS" = 0 ] || fail "Quitter: status $STATUS"
echo "Quitter ended the program in $elapsed ms"
[ "$elapsed" -ge 1800 ] || fail "ended too soon ($elapsed ms): no closing scene or pause"
[ "$elapsed" -le 5000 ] || fail "ended too late ($elapsed ms)"
