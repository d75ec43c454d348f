# Shared by the end-to-end tests: a private Xvfb, the real program, clicks with
# xdotool in client coordinates, and pixels read from screenshots.
# Expects BIN (the program), XPOKE and ASSETS in the environment.
set -euo pipefail

WORK=$(mktemp -d)
APP_PID=""
XVFB_PID=""

cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    [ -n "${E2E_KEEP:-}" ] && echo "kept $WORK" >&2 || rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x600x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 200); do [ -s "$WORK/display" ] && break; sleep 0.05; done
    [ -s "$WORK/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$WORK/display")"
}

# Starts the game and sets WIN to its window.
start_game() {
    "$BIN" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    WIN=$(timeout 20 xdotool search --sync --onlyvisible --name '^Jeu des b' | head -n1)
    [ -n "$WIN" ] || fail "no window"
    sleep 0.3 # first frame
}

click() { xdotool mousemove --window "$WIN" "$1" "$2" click 1; }

shot() { import -window "$WIN" "$WORK/$1.png"; echo "$WORK/$1.png"; }

# "r g b" of pixel (x, y) of an image file.
pixel() {
    convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r)] %[fx:int(255*p{'"$2,$3"'}.g)] %[fx:int(255*p{'"$2,$3"'}.b)]' info:
}

# Are two "r g b" triples within a tolerance (JPEG decoders differ by a few levels)?
near() {
    local a=($1) b=($2) tol=${3:-12} k
    for k in 0 1 2; do
        local d=$((a[k] - b[k]))
        [ ${d#-} -le "$tol" ] || return 1
    done
}

# Waits until the window's picture has stopped changing for about 0.6 s: no animation
# pauses that long, so the running handler has finished.
settle() {
    local prev="" cur same=0
    for _ in $(seq 400); do
        cur=$(import -window "$WIN" png:- | md5sum)
        if [ "$cur" = "$prev" ]; then
            same=$((same + 1))
            [ "$same" -ge 4 ] && return 0
        else
            same=0
        fi
        prev=$cur
        sleep 0.15
    done
    fail "the window never settled"
}

# Waits up to $1 seconds for the program to end; sets STATUS to its exit status, or
# to "timeout". Not to be called in a subshell: only this shell can reap the program.
wait_exit() {
    STATUS=timeout
    for _ in $(seq $(($1 * 100))); do
        if ! kill -0 "$APP_PID" 2>/dev/null; then
            wait "$APP_PID" && STATUS=0 || STATUS=$?
            APP_PID=""
            return 0
        fi
        sleep 0.01
    done
}
