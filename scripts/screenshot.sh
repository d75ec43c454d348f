#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures from the real program under a private Xvfb: the window
# as it opens (docs/screenshot-start.png), and a game under way, two moves each, the
# player to play (docs/screenshot.png).
#   scripts/screenshot.sh [PROGRAM]    (default: build/batonnets)
cd "$(dirname "$0")/.."
BIN=$(realpath "${1:-build/batonnets}")
ASSETS=$PWD/assets
source tests/e2e/lib.sh

start_xvfb
start_game
mkdir -p docs
import -window "$WIN" docs/screenshot-start.png
click 315 402 # Jouer
settle
click 30 160  # two sticks; the computer answers 18 with 1 (17 left)
click 114 160
click 542 404 # Validez votre coup
settle
click 240 160 # one stick; the computer answers 16 with 3 (13 left)
click 542 404
settle
import -window "$WIN" docs/screenshot.png
echo "docs/screenshot-start.png and docs/screenshot.png written"
