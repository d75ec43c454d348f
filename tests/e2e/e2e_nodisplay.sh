#!/usr/bin/env bash
# Started with no display to open, the program says so in one French line and stops with
# status 1, instead of Qt's abort (status 134): with no X server, with no Wayland
# compositor, and with a platform plugin that does not exist. A platform chosen on
# purpose is still obeyed.
source "$(dirname "$0")/lib.sh"
# A session's private directory, where no compositor listens.
export XDG_RUNTIME_DIR=$WORK/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

fin="; le jeu a besoin d'un affichage graphique."
# Each case: the environment changes, then the cause the message must give.
cases=(
    "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM|(DISPLAY n'est pas défini)"
    "-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:99999|(impossible d'ouvrir l'écran « :99999 »)"
    "-u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb|(DISPLAY n'est pas défini)"
    "-u DISPLAY WAYLAND_DISPLAY=nobody-here QT_QPA_PLATFORM=wayland|(impossible de joindre le compositeur Wayland « nobody-here »)"
    "-u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland|(impossible de joindre le compositeur Wayland « wayland-0 »)"
    "QT_QPA_PLATFORM=no-such-plugin|(module d'affichage « no-such-plugin » introuvable)"
)
for c in "${cases[@]}"; do
    IFS='|' read -r changes cause <<<"$c"
    status=0
    # shellcheck disable=SC2086 # the changes are words for env
    timeout 20 env $changes "$BIN" >"$WORK/out" 2>"$WORK/err" || status=$?
    # 1, not 134: the program ended by itself, with no abort and no core dump.
    [ "$status" = 1 ] || fail "[$changes] status $status: $(cat "$WORK/err")"
    [ "$(wc -l <"$WORK/err")" = 1 ] || fail "[$changes] not one line: $(cat "$WORK/err")"
    [ "$(cat "$WORK/err")" = "batonnets : aucun écran disponible $cause $fin" ] ||
        fail "[$changes] message: $(cat "$WORK/err")"
    [ ! -s "$WORK/out" ] || fail "[$changes] wrote on stdout: $(cat "$WORK/out")"
    echo "[$changes] $(cat "$WORK/err")"
done

# A platform chosen on purpose is left to Qt: offscreen needs no display, so the game runs
# until it is stopped.
for how in "QT_QPA_PLATFORM=offscreen $BIN" "$BIN -platform offscreen"; do
    status=0
    # shellcheck disable=SC2086
    timeout 3 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $how >/dev/null 2>"$WORK/err" ||
        status=$?
    [ "$status" = 124 ] || fail "[$how] status $status: $(cat "$WORK/err")"
    echo "[$how] still running after 3 s"
done
