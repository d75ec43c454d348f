#!/usr/bin/env bash
# The real program under X: its window, the lid at its real pace, Quitter, and a close
# request that ends the program at once.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_game
[ "$(xdotool getwindowname "$WIN")" = "Jeu des bâtonnets - Vendrix34 -  v 1.0" ] || fail "title"
xwininfo -id "$WIN" | grep -Pzq 'Width: 857\n *Height: 429\n' || fail "client area not 857x429"

looks_like "$(shot closed)" 400 150 "$ASSETS/couvercle.jpg" 400 122 || fail "no lid shown"
click 315 362 # Ouvrir
settle
img=$(shot open)
for k in 0 7 19; do stick_at "$img" $k 160 || fail "stick $k not shown once the lid is open"; done

start=$(date +%s%N)
click 783 403 # Quitter: align (21 passes), close the lid (858 passes), one still second, end
wait_exit 10
elapsed=$(ms_since "$start")
echo "Quitter ended the program in $elapsed ms with status $STATUS"
[ "$STATUS" = 0 ] && [ "$elapsed" -ge 1800 ] || fail "no status 0 after the closing scene and pause"

start_game
close_game
