#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The benchmark behind `make bench`: runs bench/batonnets_bench and the real program from
# the build directory given as $1, on the offscreen platform and, when they are
# installed, on a private X server (Xvfb) and a private Wayland compositor (a headless
# weston), then prints one table of medians. It measures and reports; it never passes
# or fails on a figure.
#   BENCH_LOOPS   loops of the per-pass figures (default 9)
#   BENCH_GAMES   games played at the real pace (default 3)
#   BENCH_STARTS  program starts timed to the first frame (default 5)
#   BENCH_WEB     the page's folder (default BUILD_DIR/web, where `make web` puts it),
#                 measured in headless Chromium (bench/web.py) when it is there
set -euo pipefail
export LC_ALL=C.UTF-8 # numbers with a dot; string lengths in characters

BUILD=$(cd "${1:?usage: bench/run.sh BUILD_DIR}" && pwd)
BENCH=$BUILD/bench/batonnets_bench
BIN=$BUILD/batonnets
XPOKE=$BUILD/tests/xpoke
LOOPS=${BENCH_LOOPS:-9}
GAMES=${BENCH_GAMES:-3}
STARTS=${BENCH_STARTS:-5}
IDLE=5 # seconds the window sits idle while its CPU time is read
[ -x "$BENCH" ] && [ -x "$BIN" ] || { echo "build $BENCH and $BIN first" >&2; exit 1; }

WORK=$(mktemp -d)
RESULTS=$WORK/results # "platform key value..." lines
XVFB_PID=""
WESTON_PID=""
declare -A SERVER # the display server's pid, by platform
cleanup() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    [ -n "$WESTON_PID" ] && kill "$WESTON_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
note() { echo "bench: $*" >&2; }

# Runs a bench mode on a platform; its "key value..." lines go to the results.
mode() {
    local platform=$1
    shift
    note "$platform: $*"
    BENCH_SERVER_PID=${SERVER[$platform]:-} QT_QPA_PLATFORM=$platform "$BENCH" "$@" \
        2>>"$WORK/bench.log" | sed "s/^/$platform /" >>"$RESULTS"
}

# The figures of a key: get PLATFORM KEY [FIELD], "" when it was not measured.
get() { awk -v p="$1" -v k="$2" -v f="${3:-3}" '$1 == p && $2 == k { print $f; exit }' "$RESULTS"; }

# ---- the real program, started through the launcher ------------------------------
# CPU ticks (utime + stime, 1/100 s) and context switches of every thread of a process.
ticks() { cat /proc/"$1"/task/*/stat 2>/dev/null | awk '{ t += $14 + $15 } END { print t + 0 }'; }
switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/^(non)?voluntary_ctxt_switches/ { s += $2 } END { print s + 0 }'
}

# Waits until the program has used no CPU for half a second: its handler has ended.
quiet() {
    local before after
    for _ in $(seq 60); do
        before=$(ticks "$1")
        sleep 0.5
        after=$(ticks "$1")
        [ "$before" = "$after" ] && return 0
    done
    note "the program never went quiet"
}

# Starts the program on a platform; sets PID (the program) and OUT (the launcher's
# output) once its first frame is out.
launch() {
    OUT=$WORK/launch.$RANDOM
    QT_QPA_PLATFORM=$1 "$BENCH" launch "$BIN" >"$OUT" 2>>"$WORK/program.log" &
    LAUNCHER=$!
    for _ in $(seq 400); do
        grep -q '^first-frame-ms ' "$OUT" && break
        sleep 0.05
    done
    PID=$(awk '/^pid / { print $2 }' "$OUT")
    grep -q '^first-frame-ms ' "$OUT" || note "$1: no first frame reported"
}

# Ends the program and records what the launcher measured under KEY (the peak memory).
finish() {
    local platform=$1 key=$2
    if [ -n "${WIN:-}" ] && [ -x "$XPOKE" ]; then
        "$XPOKE" close "$WIN" # the window manager's close request: an ordinary exit
    else
        kill -TERM "$PID" 2>/dev/null || true
    fi
    wait "$LAUNCHER" || true
    echo "$platform $key $(awk '/^maxrss-kb / { print $2 }' "$OUT")" >>"$RESULTS"
}

# CPU and wake-ups of the program while it sits idle for IDLE seconds.
idle() {
    local platform=$1 t0 s0
    quiet "$PID"
    t0=$(ticks "$PID")
    s0=$(switches "$PID")
    sleep "$IDLE"
    echo "$platform idle-cpu-ms $((($(ticks "$PID") - t0) * 10)) $(($(switches "$PID") - s0))" >>"$RESULTS"
}

starts() {
    local platform=$1 k firsts=()
    note "$platform: $STARTS starts of the program"
    for k in $(seq "$STARTS"); do
        WIN=""
        launch "$platform"
        firsts+=("$(awk '/^first-frame-ms / { print $2 }' "$OUT")")
        if [ "$k" -lt "$STARTS" ]; then
            finish "$platform" maxrss-start-kb
            continue
        fi
        # The last start stays: idle, then a game, then idle again.
        idle "$platform"
        if [ "$platform" = xcb ] && command -v xdotool >/dev/null; then
            WIN=$(timeout 10 xdotool search --sync --onlyvisible --pid "$PID" | head -n1 || true)
            if [ -n "$WIN" ]; then
                play
                echo "$platform played 1" >>"$RESULTS"
            else
                note "xcb: the program's window was not found: no game played"
            fi
        fi
        finish "$platform" maxrss-kb
    done
    printf '%s\n' "${firsts[@]}" | sort -g | awk -v p="$platform" \
        '{ v[NR] = $1 } END { if (NR) print p, "first-frame-ms", v[int((NR + 1) / 2)] }' >>"$RESULTS"
}

# A whole game with real clicks, at the real pace: the player takes one stick a turn
# and validates, the computer answers and wins; then the computer is asked to start
# and the longest handler runs. Clicks made during a handler wait for its end.
play() {
    note "xcb: a game with xdotool"
    click() { xdotool mousemove --window "$WIN" "$1" "$2" click 1 || note "xdotool failed"; }
    click 315 402 # Jouer
    quiet "$PID"
    for k in 0 3 7 11 15; do
        click $((18 + 42 * k + 12)) 160 # the leftmost stick in play
        sleep 0.5
        click 542 404 # Validez votre coup
        quiet "$PID"
    done
    click 190 401 # Ordinateur
    click 315 402 # Jouer: align, close, open, the computer's move
    quiet "$PID"
}

# ---- the runs ----------------------------------------------------------------------
: >"$RESULTS"
mode offscreen passes "$LOOPS"

platforms=(offscreen)
if command -v Xvfb >/dev/null; then
    # -noreset: a bare X server resets itself whenever its last client leaves, and the
    # next client then waits about 50 ms for it. A desktop's server never does (the
    # window manager stays connected), and every program start here would pay it.
    Xvfb -displayfd 3 -screen 0 1024x600x24 -nolisten tcp -noreset 3>"$WORK/display" \
        2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 200); do [ -s "$WORK/display" ] && break; sleep 0.05; done
    if [ -s "$WORK/display" ]; then
        export DISPLAY=":$(head -n1 "$WORK/display")"
        SERVER[xcb]=$XVFB_PID
        platforms+=(xcb)
        mode xcb passes "$LOOPS"
    else
        note "Xvfb did not start: no X11 figures"
    fi
else
    note "Xvfb is not installed: no X11 figures"
fi

# Weston's headless back end with its pixman renderer, which composites what the
# clients damaged, as a desktop compositor does. Its default "no rendering" renderer
# reads every byte of every buffer a client attaches, some 3.6 ms a frame of this window
# on this machine: a cost no real compositor has, which would swamp the figures.
if command -v weston >/dev/null &&
    compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null; then
    export XDG_RUNTIME_DIR=$WORK/run
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=headless-backend.so --use-pixman --socket=batonnets-bench --idle-time=0 \
        >"$WORK/weston.log" 2>&1 &
    WESTON_PID=$!
    for _ in $(seq 200); do [ -S "$XDG_RUNTIME_DIR/batonnets-bench" ] && break; sleep 0.05; done
    if [ -S "$XDG_RUNTIME_DIR/batonnets-bench" ]; then
        export WAYLAND_DISPLAY=batonnets-bench
        SERVER[wayland]=$WESTON_PID
        platforms+=(wayland)
    else
        note "weston did not start: no Wayland figures"
    fi
else
    note "weston or Qt's Wayland plugin (qt6-wayland) is not installed: no Wayland figures"
fi

if command -v valgrind >/dev/null && command -v callgrind_annotate >/dev/null; then
    note "offscreen: instructions under callgrind"
    toggles=()
    for f in Floor WindowLid Lid WindowStick; do toggles+=("--toggle-collect=*callgrind$f(*"); done
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$WORK/callgrind.out" \
        "${toggles[@]}" "$BENCH" callgrind 20 >"$WORK/callgrind.txt" 2>>"$WORK/bench.log"
    n=$(awk '$1 == "callgrind-passes" { print $2 }' "$WORK/callgrind.txt")
    callgrind_annotate --inclusive=yes "$WORK/callgrind.out" 2>/dev/null |
        awk -v n="$n" '/bench::callgrind[A-Za-z]+\(/ {
            ir = $1; gsub(",", "", ir)
            match($0, /bench::callgrind[A-Za-z]+/)
            name = substr($0, RSTART + 16, RLENGTH - 16)
            # Inlined code shows again under its header file, as a part: keep the whole.
            if (ir > total[name]) total[name] = ir
        } END { for (k in total) print "offscreen ir-" k, total[k] / n }' >>"$RESULTS"
else
    note "valgrind is not installed: no instruction counts"
fi

for p in "${platforms[@]}"; do
    mode "$p" cadence "$GAMES"
    starts "$p"
done

WEB=${BENCH_WEB:-$BUILD/web}
if [ -f "$WEB/index.html" ] && command -v chromium >/dev/null && command -v chromedriver >/dev/null; then
    note "web: the page in headless Chromium"
    /usr/bin/python3 "$(dirname "$0")/web.py" "$WEB" "$STARTS" "$GAMES" >>"$RESULTS" 2>>"$WORK/bench.log" ||
        note "web: the page's benchmark failed (see bench/web.py)"
else
    note "no page in $WEB, or no chromium and chromedriver: no figures of the page"
fi

# ---- the table ---------------------------------------------------------------------
cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
qt=$(awk '/^Version:/ { print $2; exit }' <(dpkg -s libqt6core6 2>/dev/null) || true)
columns=(offscreen xcb wayland)
# Columns padded by characters, not bytes: the labels hold ×, µ and ≤.
pad() { printf '%s%*s' "$1" $(($2 - ${#1} > 0 ? $2 - ${#1} : 0)) ''; }
row() { # label, then one cell per platform, then the target
    echo "  $(pad "$1" 58)$(pad "$2" 19)$(pad "$3" 19)$(pad "$4" 19)$5"
}
fmt() { [ -n "$1" ] && printf "$2" "$1" || printf -- '-'; }
ratio() { # value and floor -> "123.4 (1.9x)"
    [ -n "$1" ] && [ -n "$2" ] || { fmt "$1" '%.1f'; return; }
    awk -v v="$1" -v f="$2" 'BEGIN { printf "%.1f (%.2f×)", v, v / f }'
}
per_pass() {
    local label=$1 key=$2 target=$3 cells=() p
    for p in "${columns[@]}"; do
        if [ "$key" = floor-fillblit-us ] || [ "$key" = floor-memcpy-us ]; then
            cells+=("$(fmt "$(get "$p" "$key")" '%.1f')")
        else
            cells+=("$(ratio "$(get "$p" "$key")" "$(get "$p" floor-fillblit-us)")")
        fi
    done
    row "$label" "${cells[@]}" "$target"
}
instructions() {
    local v floor
    v=$(get offscreen "ir-$2")
    floor=$(get offscreen ir-Floor)
    if [ -z "$v" ]; then row "$1" - - - "$3"; return; fi
    if [ "$2" = Floor ]; then
        row "$1" "$(awk -v v="$v" 'BEGIN { printf "%.3f M", v / 1e6 }')" "" "" "$3"
    else
        row "$1" "$(awk -v v="$v" -v f="$floor" 'BEGIN { printf "%.3f M (%.2f×)", v / 1e6, v / f }')" "" "" "$3"
    fi
}
paced() {
    local label=$1 key=$2 target=${3:-} cells=() p n ms
    for p in "${columns[@]}"; do
        n=$(get "$p" "pace-$key" 3)
        ms=$(get "$p" "pace-$key" 4)
        cells+=("$([ -n "$ms" ] && printf '%.0f ms' "$ms" || printf -- '-')")
    done
    n=$(get offscreen "pace-$key" 3)
    period=$(get offscreen pass-period-us)
    row "$label ($n passes)" "${cells[@]}" "$(awk -v n="$n" -v p="$period" \
        'BEGIN { if (n && p) printf "%.0f ms at the pace", n * p / 1000 }')$target"
}
mb() { [ -n "$1" ] && awk -v k="$1" 'BEGIN { printf "%.1f MB", k / 1024 }' || printf -- '-'; }

echo
echo "Bâtonnets benchmark, $(date '+%Y-%m-%d %H:%M')"
echo "Machine: $(nproc) cores ($cpu), Qt ${qt:-?}, load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo
row "" offscreen X11 Wayland target
echo "Per pass at full speed, µs (median of $LOOPS loops; × = ratio to the fill + blit floor)"
per_pass "floor: memcpy of one 857×429×4 frame" floor-memcpy-us ""
per_pass "floor: QPainter fill + full-frame blit" floor-fillblit-us ""
per_pass "lid moved 1 px + its frame, window kind" pass-window-lid-us "≤ 2× floor"
per_pass "lid moved 1 px + its frame, lid-only kind" pass-lid-us "≤ 50 µs (offscreen)"
per_pass "stick moved 1 px + its frame, window kind" pass-window-stick-us "≤ 2× floor"
per_pass "the same three in high contrast: lid, window kind" pass-window-lid-hc-us "within 10%"
per_pass "                                  lid, lid-only kind" pass-lid-hc-us "within 10%"
per_pass "                                  stick, window kind" pass-window-stick-hc-us "within 10%"
echo "User-space instructions per pass (callgrind, offscreen; × = ratio to the floor)"
instructions "floor: QPainter fill + full-frame blit" Floor ""
instructions "lid moved 1 px + its frame, window kind" WindowLid "≤ 0.5 M"
instructions "lid moved 1 px + its frame, lid-only kind" Lid ""
instructions "stick moved 1 px + its frame, window kind" WindowStick "≤ 0.5 M"
echo "The real program"
each() { # a formatting function and a key: one cell per platform
    local p
    for p in "${columns[@]}"; do "$1" "$(get "$p" "$2")" "${@:3}"; echo; done
}
cells() { mapfile -t CELLS < <(each "$@"); }
cells fmt first-frame-ms '%.0f ms'
row "start to first frame (median of $STARTS starts)" "${CELLS[@]}" "≤ 120 ms"
cells mb maxrss-start-kb
row "peak resident memory, after start" "${CELLS[@]}" "≤ 40 MB"
cells mb maxrss-kb
row "peak resident memory at the end$([ -n "$(get xcb played)" ] && echo ' (X11: after a game)')" \
    "${CELLS[@]}" "≤ 40 MB"
idle_cell() {
    local ms sw
    ms=$(get "$1" idle-cpu-ms 3)
    sw=$(get "$1" idle-cpu-ms 4)
    [ -n "$ms" ] && echo "$ms ms, $sw wake-ups" || echo -
}
row "CPU while idle for ${IDLE} s" "$(idle_cell offscreen)" "$(idle_cell xcb)" "$(idle_cell wayland)" \
    "0 (no timers)"
echo "At the default pace ($(get offscreen pass-period-us) µs a pass), median of $GAMES games"
paced "lid slide, whole-window repaints" lid-slide
paced "first game: alignment and opening" first-game
paced "lid slide, lid-only repaints" lid-slide-lid-only
paced "stick slide" stick-slide
paced "computer takes 3 sticks" computer-3
paced "alignment after a whole game" alignment
paced "longest handler: computer starts a new game" longest-handler
cpu_cell() { # program + display server, in % of one core
    local a b
    a=$(get "$1" cpu-longest-handler 3)
    b=$(get "$1" cpu-longest-handler 4)
    [ -n "$a" ] && awk -v a="$a" -v b="$b" 'BEGIN { printf "%.1f + %.1f = %.1f%%", a, b, a + b }' || echo -
}
row "CPU in the longest handler, program + server" "$(cpu_cell offscreen)" "$(cpu_cell xcb)" \
    "$(cpu_cell wayland)" "≤ 8% of a core"

# The page beside the desktop window on X11, the platform both run on.
if [ -n "$(get web page-bytes)" ]; then
    kb() { awk -v b="$1" 'BEGIN { printf "%.0f kB", b / 1000 }'; }
    echo "The page in headless Chromium (bench/web.py), beside the window on X11"
    row "" page X11 "" ""
    row "size: the whole folder ($(get web page-bytes 4) files), gzip -9" \
        "$(kb "$(get web page-bytes)") ($(kb "$(get web page-gzip-bytes)"))" "" "" "every language, both looks, 1x and 2x"
    row "size: what one visit loads (1x, one language)" "$(kb "$(get web visit-bytes)")" "" "" ""
    row "navigation (page) or start (X11) to first frame, median" \
        "$(fmt "$(get web first-frame-ms)" '%.0f ms')" "$(fmt "$(get xcb first-frame-ms)" '%.0f ms')" "" ""
    row "lid slide (858 passes), median" "$(fmt "$(get web lid-slide-ms)" '%.0f ms')" \
        "$(fmt "$(get xcb pace-lid-slide 4)" '%.0f ms')" "" "1000 ms ± 5%"
    row "longest handler (4935 passes)" "$(fmt "$(get web longest-handler-ms)" '%.0f ms')" \
        "$(fmt "$(get xcb pace-longest-handler 4)" '%.0f ms')" "" "5749 ms at the pace"
    web_cpu() {
        awk -v a="$(get web "$1" 3)" -v b="$(get web "$1" 4)" \
            'BEGIN { printf "%.1f + %.1f = %.0f%%", a, b, a + b }'
    }
    row "CPU in the longest handler (renderer + browser)" "$(web_cpu cpu-longest-handler)" \
        "$(cpu_cell xcb)" "" "X11: program + server"
    row "floor: CPU of a box moved a pixel each frame" "$(web_cpu cpu-floor)" "" "" ""
fi
