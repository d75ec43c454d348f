#!/usr/bin/env bash
# The .deb as a player would get it: built from the build tree, unpacked, its files and
# control fields checked, and the unpacked program started under X.
# Expects BUILD_DIR, APP_ID and XPOKE in the environment.
source "$(dirname "$0")/lib.sh"

# Rebuilt every time: a package left over from an older build would test old files.
cmake --build "$BUILD_DIR" --target package >"$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log" >&2; fail "the package target failed"; }
deb=$(ls -t "$BUILD_DIR"/batonnets_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no .deb in $BUILD_DIR"
echo "package: $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = batonnets ] || fail "Package: $(field Package)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[[ "$(basename "$deb")" = "batonnets_$(field Version)_$(field Architecture).deb" ]] ||
    fail "file name $(basename "$deb") does not match the control fields"
# Named by hand (run-time needs) and found by dpkg-shlibdeps (linked libraries).
depends=$(field Depends)
for dep in fonts-liberation qt6-qpa-plugins libqt6widgets6; do
    grep -Eq "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

root="$WORK/root"
dpkg-deb -x "$deb" "$root"
bin="$root/usr/bin/batonnets"
desktop="$root/usr/share/applications/$APP_ID.desktop"
metainfo="$root/usr/share/metainfo/$APP_ID.metainfo.xml"
[ -x "$bin" ] || fail "no program at usr/bin/batonnets"
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$metainfo" ] || fail "no metainfo"
for size in 16 24 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
    [ -f "$icon" ] || fail "no ${size}px icon"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "${size}px icon has the wrong size"
done
# Nothing but these: no test program, tool or header slipped into the package.
extra=$(cd "$root" && find . -type f | grep -Ev "^\./usr/(bin/batonnets|share/applications/$APP_ID\.desktop|share/metainfo/$APP_ID\.metainfo\.xml|share/icons/hicolor/[0-9]+x[0-9]+/apps/$APP_ID\.png)$" || true)
[ -z "$extra" ] || fail "unexpected files: $extra"

# The entry, its icon and the software-centre entry name one another.
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = batonnets ] || fail "Exec=$(entry Exec)"
[ "$(entry Icon)" = "$APP_ID" ] || fail "Icon=$(entry Icon)"
grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $APP_ID.desktop"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"

# The unpacked program, with the system's Qt, on a display of its own.
start_xvfb
BIN=$bin start_game
title=$(xdotool getwindowname "$WIN")
[ "$title" = "Jeu des bâtonnets - Vendrix34 -  v 1.0" ] || fail "title: '$title'"
# Docks match windows to entries by the class of WM_CLASS.
class=$(xprop -id "$WIN" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
[ "$class" = "$(entry StartupWMClass)" ] || fail "WM_CLASS '$class', StartupWMClass '$(entry StartupWMClass)'"

"$XPOKE" close "$WIN"
wait_exit 5
[ "$STATUS" = 0 ] || fail "close request: status $STATUS"
echo "ok"
