#!/usr/bin/env bash
# A whole game played with real clicks at the real pace: the player opens, takes three
# sticks, then always leaves 4k + 1, and the window must end showing the player's win.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_game

stick_px=$(pixel "$ASSETS/batonnet.jpg" 12 124)

# The sticks still in the row, read off the screen.
in_play() {
    local img=$1 k out=()
    for k in $(seq 0 19); do
        near "$(pixel "$img" $((18 + 42 * k + 12)) 160)" "$stick_px" && out+=("$k")
    done
    echo "${out[@]}"
}

takes=0
take() {
    local n=$1 img k
    img=$(shot "take_$((++takes))")
    read -r -a row <<<"$(in_play "$img")"
    echo "take $n of: ${row[*]}"
    for ((k = 0; k < n; k++)); do
        click $((18 + 42 * row[k] + 12)) 160
        sleep 0.1
    done
    [ "$n" -lt 3 ] && click 542 404 # Validez votre coup
    settle
}

click 315 402 # Jouer
settle
take 3
for turn in $(seq 10); do
    img=$(shot turn$turn)
    read -r -a row <<<"$(in_play "$img")"
    left=${#row[@]}
    echo "turn $turn: $left sticks"
    [ "$left" -le 1 ] && break
    take $(((left - 1) % 4))
done
img=$(shot end)
read -r -a row <<<"$(in_play "$img")"
[ "${#row[@]}" -eq 1 ] || fail "the game did not end with one stick (${#row[@]})"
read -r r g b <<<"$(pixel "$img" 270 402)"
[ "$g" -gt $((r + 60)) ] || fail "Jouer should be enabled again: $r $g $b"
# "Vous gagnez !" is written in green: some pixel of the label is pure 0,128,0.
convert "$img" -crop 315x42+384+344 txt:"$WORK/label.txt"
grep -q '#008000' "$WORK/label.txt" || fail "no green message"
echo "the player won"
