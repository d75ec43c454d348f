#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program told by the real XDG desktop portal (xdg-desktop-portal with its GTK backend,
# as on GNOME), in a private session bus, GNOME's settings in a private keyfile, that the player
# turned GNOME's high contrast on: every caption and title on screen reads at 7:1 or more (the
# disabled one at 4.5:1). Turned off during play, the window is the game's own look again, to the
# pixel; on again, high contrast again. And --high-contrast holds whatever the desktop says.
[ -n "${E2E_SESSION_BUS:-}" ] || E2E_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/lib.sh"
# The portal's document store mounts itself in the runtime directory: unmounted before the
# directory goes.
trap 'fusermount3 -uz "$WORK/doc" 2>/dev/null; cleanup' EXIT
export HOME=$WORK XDG_RUNTIME_DIR=$WORK XDG_CONFIG_HOME=$WORK/config
export GSETTINGS_BACKEND=keyfile XDG_CURRENT_DESKTOP=GNOME
start_xvfb
# The portal and its backend are started by the session bus, in its environment.
dbus-update-activation-environment HOME XDG_RUNTIME_DIR XDG_CONFIG_HOME GSETTINGS_BACKEND \
    XDG_CURRENT_DESKTOP DISPLAY
switch() { gsettings set org.gnome.desktop.a11y.interface high-contrast "$1"; }
portal_says() {
    gdbus call --session -d org.freedesktop.portal.Desktop -o /org/freedesktop/portal/desktop \
        -m org.freedesktop.portal.Settings.Read org.gnome.desktop.a11y.interface high-contrast \
        2>/dev/null | grep -q "<<$1>>"
}
switch true
for _ in $(seq 100); do portal_says true && break; sleep 0.1; done
portal_says true || fail "the portal does not serve GNOME's setting"

# Ouvrir, Jouer, Fermer, Quitter, and the two frames' title bands, each with the ring of its face.
areas=(260,344,111,37,2 260,384,111,37,2 714,344,139,37,2 714,384,139,39,2 12,344,111,20,1 128,344,119,20,1)
readable() { # screenshot, least contrast, areas...
    local img=$1 least=$2
    shift 2
    python3 "$(dirname "$0")/contrast.py" "$img" "$@" | while read -r area ratio; do
        echo "$area $ratio:1"
        python3 -c "import sys; sys.exit(0 if $ratio >= $least else 1)" || fail "$area reads at $ratio:1"
    done
}
start_game
settle
readable "$(shot high)" 7 "${areas[@]}"
readable "$WORK/high.png" 4.5 384,388,317,33,2 # Validez, disabled

switch false
settle
[ "$(compare -metric AE "$(shot normal)" "$GOLDEN/start@1x.png" null: 2>&1)" = 0 ] ||
    fail "switched off, the window is not the game's own look"
switch true
settle
[ "$(compare -metric AE "$(shot again)" "$WORK/high.png" null: 2>&1)" = 0 ] ||
    fail "switched on again, the window is not in high contrast"
kill "$APP_PID"

switch false
GAME_ARGS=--high-contrast start_game
settle
[ "$(compare -metric AE "$(shot forced)" "$WORK/high.png" null: 2>&1)" = 0 ] ||
    fail "--high-contrast did not hold against the desktop's setting"
