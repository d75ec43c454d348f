#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a distribution would take it: built twice from copies of the
# sources and compared byte for byte, checked by lintian and the metadata validators,
# installed, asked for --version and --help, and started under X.
# Expects SOURCE_DIR, WORK_DIR (scratch space), BIN (the game of the build tree), APP_ID,
# VERSION, RELEASE_DATE and XPOKE in the environment.
source "$(dirname "$0")/lib.sh"

# Any tag lintian or appstreamcli prints is a finding: errors, warnings, and the info,
# pedantic and experimental tags too. Justified exceptions are overridden, with their
# reason, in debian/batonnets.lintian-overrides.
findings() { grep -E '^[EWIPX]: ' || true; }

# The pictures' file times must not reach the program: Qt's resource compiler stores
# them unless told not to, and then two clones built a minute apart differ.
for picture in "$ASSETS"/*.jpg "$ASSETS"/*.ico; do
    ms=$(stat -c %.3Y "$picture" | tr -d .)
    perl -e '$t = pack("Q>", shift); local $/; $_ = <>; exit(index($_, $t) >= 0)' "$ms" "$BIN" ||
        fail "the program carries the file time of $(basename "$picture")"
done

# Two builds, each on its own copy of the sources in its own folder, with file times of
# their own: the packages must be the same bytes.
rm -rf "$WORK_DIR"
for copy in a b; do
    "$SOURCE_DIR/scripts/build-deb.sh" "$WORK_DIR/$copy" >/dev/null || fail "build $copy failed"
done
deb=$WORK_DIR/a/batonnets_${VERSION}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$WORK_DIR/a")"
for built in "$WORK_DIR"/a/*.deb; do
    twin=$WORK_DIR/b/$(basename "$built")
    if ! cmp -s "$built" "$twin"; then
        for copy in a b; do dpkg-deb -R "$WORK_DIR/$copy/$(basename "$built")" "$WORK/$copy"; done
        diff -r "$WORK/a" "$WORK/b" >&2 || true
        fail "two builds of $(basename "$built") differ"
    fi
done
echo "reproducible: $(cd "$WORK_DIR/a" && ls ./*.deb | xargs -n1 basename | tr '\n' ' ')"

lintian -I -E --pedantic "$deb" >"$WORK/lintian.log" 2>&1 || true
[ -z "$(findings <"$WORK/lintian.log")" ] || { cat "$WORK/lintian.log" >&2; fail "lintian"; }
grep -q '^lintian: ' "$WORK/lintian.log" && { cat "$WORK/lintian.log" >&2; fail "lintian failed"; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Version)" = "$VERSION" ] || fail "package version $(field Version), project version $VERSION"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
# dpkg-shlibdeps finds the linked libraries; the typeface is found only at run time, and
# the X11 platform plugin comes with libqt6gui6.
for dep in fonts-liberation libqt6widgets6 libqt6gui6; do
    grep -Eq "(^|, )$dep( |,|$)" <<<"$(field Depends)" || fail "Depends lacks $dep: $(field Depends)"
done
grep -q qt6-wayland <<<"$(field Recommends)" || fail "Recommends: $(field Recommends)"

# Installed for real when we may (CI runs as root), else unpacked into a folder.
root=""
installed=""
if [ "$(id -u)" -eq 0 ] || sudo -n true 2>/dev/null; then
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo -n)
    dpkg-query -W -f='${Status}' batonnets 2>/dev/null | grep -q "install ok installed" ||
        installed=yes
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends \
        --reinstall --allow-downgrades "$deb" >"$WORK/apt.log" 2>&1 || { cat "$WORK/apt.log" >&2; fail "apt-get install"; }
    remove_package() { [ -z "$installed" ] || "${as_root[@]}" dpkg -r batonnets >/dev/null; }
    trap 'remove_package; cleanup' EXIT
    files=$(dpkg -L batonnets)
else
    echo "not root: the package is unpacked, not installed"
    root=$WORK/root
    dpkg-deb -x "$deb" "$root"
    files=$(cd "$root" && find . ! -type d | sed 's/^\.//')
fi

# Exactly these files: no test program, tool or header slipped in.
expected="/usr/games/batonnets
/usr/share/applications/$APP_ID.desktop
/usr/share/doc/batonnets/changelog.gz
/usr/share/doc/batonnets/copyright
/usr/share/lintian/overrides/batonnets
/usr/share/man/man6/batonnets.6.gz
/usr/share/metainfo/$APP_ID.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
    expected+=$'\n'"/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
    [ "$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png")" = "${size}x${size}" ] ||
        fail "the ${size}px icon has the wrong size"
done
actual=$(for f in $files; do [ -d "$root$f" ] || echo "$f"; done | sort)
[ "$actual" = "$(sort <<<"$expected")" ] || fail "files: $(diff <(echo "$actual") <(sort <<<"$expected"))"

game=$root/usr/games/batonnets
readelf -d "$game" | grep -Eq 'RUNPATH|RPATH' && fail "the program has a run path: $(readelf -d "$game" | grep PATH)"
grep -q '^License: GPL-3+' "$root/usr/share/doc/batonnets/copyright" || fail "no licence in the copyright file"

# One version everywhere: the program, the package, the software-centre entry, the
# manual page; and one release date.
version_out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$game" --version) || fail "--version failed"
[ "$(head -n1 <<<"$version_out")" = "batonnets $VERSION" ] || fail "--version: $version_out"
help_out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$game" --help) || fail "--help failed"
for option in --help --version Utilisation; do
    grep -q -- "$option" <<<"$help_out" || fail "--help does not mention $option: $help_out"
done
metainfo=$root/usr/share/metainfo/$APP_ID.metainfo.xml
grep -q "<release version=\"$VERSION\" date=\"$RELEASE_DATE\"" "$metainfo" ||
    fail "the metainfo's release is not $VERSION of $RELEASE_DATE"
changelog_date=$(zcat "$root/usr/share/doc/batonnets/changelog.gz" | sed -n 's/^ -- .*>  //p' | head -n1)
[ "$(date -u -d "$changelog_date" +%F)" = "$RELEASE_DATE" ] ||
    fail "debian/changelog dates the release $changelog_date, CMake $RELEASE_DATE"
manual=$root/usr/share/man/man6/batonnets.6.gz
[ -z "$root" ] && manual=$(man -w 6 batonnets)
[ "$manual" = "$root/usr/share/man/man6/batonnets.6.gz" ] || fail "man finds $manual"
zcat "$manual" | grep -q "^\.TH BATONNETS 6 \"$RELEASE_DATE\" \"batonnets $VERSION\"" ||
    fail "the manual page is not dated $RELEASE_DATE for $VERSION"

# The menu entry, its icon and the software-centre entry name one another and validate.
desktop=$root/usr/share/applications/$APP_ID.desktop
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = batonnets ] || fail "Exec=$(entry Exec)"
[ "$(entry Icon)" = "$APP_ID" ] || fail "Icon=$(entry Icon)"
grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $APP_ID.desktop"
desktop-file-validate "$desktop" || fail "desktop entry"
appstreamcli validate --pedantic --no-net "$metainfo" >"$WORK/appstream.log" 2>&1 ||
    { cat "$WORK/appstream.log" >&2; fail "appstreamcli"; }
[ -z "$(findings <"$WORK/appstream.log")" ] || { cat "$WORK/appstream.log" >&2; fail "appstreamcli"; }
appstream-util validate-relax --nonet "$metainfo" || fail "appstream-util"
# Nothing installed points at a made-up site or address.
grep -IlE 'example\.(org|com|net)|localhost' "$desktop" "$metainfo" "$root/usr/share/doc/batonnets/copyright" && fail "placeholder address"

# The installed program, with the system's Qt, on a display of its own.
start_xvfb
BIN=$game start_game
title=$(xdotool getwindowname "$WIN")
[ "$title" = "Jeu des bâtonnets - Vendrix34 -  v 1.0" ] || fail "title: '$title'"
# Docks match windows to entries by the class of WM_CLASS.
class=$(xprop -id "$WIN" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
[ "$class" = "$(entry StartupWMClass)" ] || fail "WM_CLASS '$class', StartupWMClass '$(entry StartupWMClass)'"
"$XPOKE" close "$WIN"
wait_exit 5
[ "$STATUS" = 0 ] || fail "close request: status $STATUS"
echo "ok"
