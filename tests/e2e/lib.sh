# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests (which set BIN, XPOKE and ASSETS): a private Xvfb, the
# real program, clicks with xdotool in client coordinates, pixels read from screenshots.
set -euo pipefail

WORK=$(mktemp -d)
PIDS=() # stopped when the test ends
cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    # A desktop portal the program woke mounts its document store in the runtime directory.
    fusermount3 -uz "$WORK/doc" 2>/dev/null || true
    [ -n "${E2E_KEEP:-}" ] && echo "kept $WORK" >&2 || rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Xvfb writes its display's number once it is ready for clients.
start_xvfb() {
    exec 3< <(exec Xvfb -displayfd 1 -screen 0 1024x600x24 -nolisten tcp -noreset 2>"$WORK/xvfb.log")
    PIDS+=($!)
    read -r -t 10 DISPLAY <&3 || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
    export DISPLAY=":$DISPLAY"
}

# Starts the game ($BIN) under X and sets WIN to its window, found by its title: exactly
# the French one, or one that matches the pattern $1.
start_game() {
    local title=${1:-'^Jeu des bâtonnets - Vendrix34 -  v 1\.0$'}
    "$BIN" ${GAME_ARGS:-} &>"$WORK/app.log" &
    APP_PID=$!
    PIDS+=($!)
    WIN=$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -n1) ||
        fail "no window titled '$title'"
    sleep 0.3 # first frame
}

# Until the window's picture stops changing for about 0.6 s: no animation pauses that
# long, so the handlers have finished.
settle() {
    local prev="" cur same=0 end=$((SECONDS + 60))
    while [ "$same" -lt 4 ]; do
        cur=$(import -window "$WIN" png:- | md5sum)
        [ "$cur" = "$prev" ] && same=$((same + 1)) || same=0
        prev=$cur
        [ "$SECONDS" -lt "$end" ] || fail "the window never settled"
        sleep 0.15
    done
}

click() { xdotool mousemove --window "$WIN" "$1" "$2" click 1; }
shot() { import -window "$WIN" "$WORK/$1.png" && echo "$WORK/$1.png"; }
slot() { echo $((18 + 42 * $1 + 12)); } # x of stick k of the 20-stick row

# Is pixel (x, y) of image $1 the colour of pixel (x, y) of picture $4, within 12 levels a
# channel (JPEG decoders differ by a few)?
looks_like() {
    [ "$(convert "$1[1x1+$2+$3]" "$4[1x1+$5+$6]" -compose difference -composite \
        -format '%[fx:int(255*max(r,max(g,b)))]' info:)" -le 12 ]
}

# Is stick $2 on screenshot $1 at height $3: 160 in the row, 320 once the player has
# taken it, 20 once the computer has? The stick is one colour from end to end.
stick_at() { looks_like "$1" "$(slot "$2")" "$3" "$ASSETS/batonnet.jpg" 12 124; }

# Waits up to $1 seconds for the program to end, and returns its exit status. Not to be
# called in a subshell: only this shell can reap the program.
wait_exit() {
    timeout "$1" tail --pid="$APP_PID" -s 0.01 -f /dev/null || fail "the program still runs after $1 s"
    wait "$APP_PID"
}
