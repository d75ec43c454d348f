#!/usr/bin/env bash
# Input that arrives in the middle of an animation, at the real pace. A burst of clicks
# made during the computer's move waits for the move's end, then is played against the
# board it left, and the game stays legal. A close request made during a long handler
# lets the handler finish on screen, then ends the program cleanly.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_game

stick_row=$(pixel "$ASSETS/batonnet.jpg" 12 124) # a stick in the row, seen at y 160
stick_down=$(pixel "$ASSETS/batonnet.jpg" 12 30) # taken by the player, seen at y 320
stick_up=$(pixel "$ASSETS/batonnet.jpg" 12 240)  # taken by the computer, seen at y 20
lid_px=$(pixel "$ASSETS/couvercle.jpg" 400 122)
slot() { echo $((18 + 42 * $1 + 12)); } # x of stick k of the 20-stick row

# Where each of the 20 sticks is on screenshot $1: r (row), d (down), u (up). A stick
# seen in none or in several places is a fault.
sticks() {
    local img=$1 k x where out=""
    for k in $(seq 0 19); do
        x=$(slot "$k")
        where=""
        near "$(pixel "$img" "$x" 160)" "$stick_row" && where+=r
        near "$(pixel "$img" "$x" 320)" "$stick_down" && where+=d
        near "$(pixel "$img" "$x" 20)" "$stick_up" && where+=u
        [ ${#where} = 1 ] || fail "stick $k is seen in '${where}' (screenshot $img)"
        out+=$where
    done
    echo "$out"
}

# ---- A burst of clicks during the computer's move --------------------------------------
click 190 401 # Ordinateur: the computer opens the game
# The three leftmost sticks (the ones the computer is about to take), more sticks,
# Validez and the options, in fast bursts.
burst=()
for k in 0 1 2 5 6 7 9 12 15; do burst+=(mousemove --window "$WIN" "$(slot "$k")" 160 click 1); done
burst+=(mousemove --window "$WIN" 542 404 click 1) # Validez votre coup
burst+=(mousemove --window "$WIN" 68 379 click 1)  # Normale
burst+=(mousemove --window "$WIN" 190 379 click 1) # Joueur
burst+=(mousemove --window "$WIN" 68 401 click 1)  # Expert
click 315 402 # Jouer: align, open the lid (about a second), then the computer takes three
sleep 0.3
xdotool "${burst[@]}" "${burst[@]}" # while the lid slides open
sleep 0.9
xdotool "${burst[@]}" "${burst[@]}" # while the computer takes its sticks
echo "$(( 4 * ${#burst[@]} / 6 )) clicks sent"
settle
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended during the burst"

img=$(shot burst)
state=$(sticks "$img")
echo "sticks after the burst: $state (r row, d down, u up)"
row=${state//[^r]/}
down=${state//[^d]/}
up=${state//[^u]/}
[ $(( ${#row} + ${#down} + ${#up} )) = 20 ] || fail "sticks unaccounted for: $state"
near "$(pixel "$img" 400 150)" "$lid_px" && fail "the lid should be open"
# The computer's first move took the three leftmost sticks, as if nothing had been
# clicked: clicks handled during it would have given them to the player instead.
[ "${state:0:3}" = uuu ] || fail "the computer's first move was disturbed: $state"
# The burst was played afterwards, against the board the move left: sticks 5, 6 and 7
# were taken by the player, the computer answered, and so on.
[ ${#down} -ge 3 ] || fail "the queued clicks on the sticks were lost: $state"
[ ${#row} -ge 1 ] || fail "no stick left in the row: $state"
# The label agrees: the game goes on (green "A vous de jouer..."), or one side won.
convert "$img" -crop 315x42+384+344 txt:"$WORK/label.txt"
if [ ${#row} -gt 1 ]; then
    grep -q '#008000' "$WORK/label.txt" || fail "the game goes on, but the label is not green"
else
    grep -qE '#008000|#C00000' "$WORK/label.txt" || fail "the game is over, but no result shown"
fi

# ---- A close request during a long handler ---------------------------------------------
# Jouer after an option click: align, close the lid (about a second), open it (another).
click 315 402
sleep 0.3
start=$(date +%s%N)
"$XPOKE" close "$WIN"
# The handler goes on to its end on screen: the window stays mapped and keeps moving.
sleep 0.2
# (A closed window would leave import waiting: hence the time limits.)
picture() { timeout 10 import -window "$WIN" rgb:- | md5sum; }
before=$(picture) || fail "the window went away during the handler"
sleep 0.3
timeout 10 xwininfo -id "$WIN" | grep -q IsViewable || fail "the window was unmapped too soon"
after=$(picture) || fail "the window went away during the handler"
[ "$before" != "$after" ] || fail "the animation stopped at the close request"
wait_exit 15
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$STATUS" = 0 ] || fail "close request during an animation: status $STATUS"
echo "the program ended ${elapsed} ms after the close request"
# Over two seconds of the handler were left (the two slides of the lid alone take that):
# the program did not end before they had run.
[ "$elapsed" -ge 1000 ] || fail "ended ${elapsed} ms after the request, before the handler's end"
if grep -qiE 'sanitizer|runtime error|segmentation' "$WORK/app.log"; then
    cat "$WORK/app.log" >&2
    fail "the program reported an error"
fi
echo "queued clicks and a close request during animations handled afterwards"
