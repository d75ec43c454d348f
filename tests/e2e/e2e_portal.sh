#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program told by the real XDG desktop portal (with its GTK backend, as on GNOME) on a
# private session bus that GNOME's high contrast (in a private keyfile) is on: its captions and
# titles measured on a screenshot at 7:1 or more (the disabled one at 4.5:1). Then off, the game's
# own look to the pixel; on again; and --high-contrast holding whatever the desktop says.
[ -n "${E2E_SESSION_BUS:-}" ] || E2E_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/lib.sh"
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
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; } # pixel for pixel
readable() { # screenshot, least contrast, areas (x,y,w,h,inset of the face's ring)...
    local img=$1 least=$2
    shift 2
    python3 "$(dirname "$0")/contrast.py" "$img" "$@" | while read -r area ratio; do
        echo "$area $ratio:1"
        python3 -c "import sys; sys.exit(0 if $ratio >= $least else 1)" || fail "$area reads at $ratio:1"
    done
}
switch true
for _ in $(seq 100); do portal_says true && break; sleep 0.1; done
portal_says true || fail "the portal does not serve GNOME's setting"

start_game
settle
# Ouvrir, Jouer, Fermer, Quitter, the two frames' title bands; Validez, disabled.
readable "$(shot high)" 7 260,344,111,37,2 260,384,111,37,2 714,344,139,37,2 714,384,139,39,2 \
    12,344,111,20,1 128,344,119,20,1
readable "$WORK/high.png" 4.5 384,388,317,33,2

switch false
settle
same "$(shot normal)" "$GOLDEN/start@1x.png" || fail "switched off, the window is not the game's own look"
switch true
settle
same "$(shot again)" "$WORK/high.png" || fail "switched on again, the window is not in high contrast"
kill "$APP_PID"

switch false
GAME_ARGS=--high-contrast start_game
settle
same "$(shot forced)" "$WORK/high.png" || fail "--high-contrast did not hold against the desktop's setting"
