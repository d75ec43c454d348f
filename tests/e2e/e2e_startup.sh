#!/usr/bin/env bash
# The real program under X: its window, its first picture, and a close request that
# ends it at once.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_game

title=$(xdotool getwindowname "$WIN")
[ "$title" = "Jeu des bâtonnets - Vendrix34 -  v 1.0" ] || fail "title: '$title'"
info=$(xwininfo -id "$WIN")
grep -q 'Width: 857$' <<<"$info" || fail "client width: $info"
grep -q 'Height: 429$' <<<"$info" || fail "client height: $info"

img=$(shot start)
# The closed lid covers the board; the band below it shows the window's colour.
for xy in "400 100" "60 200" "820 250"; do
    set -- $xy
    near "$(pixel "$img" "$1" "$2")" "$(pixel "$ASSETS/couvercle.jpg" "$1" $(($2 - 28)))" ||
        fail "lid not shown at $1,$2"
done
near "$(pixel "$img" 420 330)" "128 64 64" 2 || fail "band colour"
# Jouer is enabled (a green face), "Validez votre coup" disabled (a grey one).
read -r r g b <<<"$(pixel "$img" 270 402)"
[ "$g" -gt $((r + 60)) ] || fail "Jouer does not look enabled: $r $g $b"
read -r r g b <<<"$(pixel "$img" 395 404)"
[ $((r - b)) -lt 20 ] && [ $((b - r)) -lt 20 ] || fail "Validez does not look disabled: $r $g $b"

start=$(date +%s%N)
"$XPOKE" close "$WIN"
wait_exit 5
[ "$STATUS" = 0 ] || fail "close request: status $STATUS"
echo "closed in $(( ($(date +%s%N) - start) / 1000000 )) ms"
