#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures from the real program under a private Xvfb: the window
# as it opens (docs/screenshot-start.png), a game under way, two moves each, the
# player to play (docs/screenshot.png), the same in high contrast beside it
# (docs/screenshot-high-contrast.png, docs/screenshot-looks.png), and the window as it opens in each language the
# game speaks besides French, its lid's rules and every caption in that language
# (docs/screenshot-<language>.png).
#   scripts/screenshot.sh [PROGRAM]    (default: build/batonnets)
cd "$(dirname "$0")/.."
BIN=$(realpath "${1:-build/batonnets}")
ASSETS=$PWD/assets
source tests/e2e/lib.sh

start_xvfb
mkdir -p docs
export LANGUAGE=fr
start_game
import -window "$WIN" docs/screenshot-start.png
two_moves() {
    click 315 402 # Jouer
    settle
    click 30 160  # two sticks; the computer answers 18 with 1 (17 left)
    click 114 160
    click 542 404 # Validez votre coup
    settle
    click 240 160 # one stick; the computer answers 16 with 3 (13 left)
    click 542 404
    settle
}
two_moves
import -window "$WIN" docs/screenshot.png
kill "$APP_PID"
wait "$APP_PID" || true # its window gone before the next is looked for
echo "docs/screenshot-start.png and docs/screenshot.png written"

# The same game in high contrast, and both looks side by side.
GAME_ARGS=--high-contrast start_game
two_moves
import -window "$WIN" docs/screenshot-high-contrast.png
kill "$APP_PID"
wait "$APP_PID" || true
convert docs/screenshot.png docs/screenshot-high-contrast.png -bordercolor white -border 6 +append \
    -resize 50% docs/screenshot-looks.png
echo "docs/screenshot-high-contrast.png and docs/screenshot-looks.png written"

for ts in translations/batonnets_*.ts; do
    LANGUAGE=$(basename "$ts" .ts | sed 's/^batonnets_//')
    start_game ' - Vendrix34 -  v [0-9.]*$'
    import -window "$WIN" "docs/screenshot-$LANGUAGE.png"
    kill "$APP_PID"
    wait "$APP_PID" || true
    echo "docs/screenshot-$LANGUAGE.png written"
done
