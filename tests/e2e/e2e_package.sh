#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a distribution would take it, section by section below. Expects SOURCE_DIR,
# WORK_DIR (scratch space), BIN (the build tree's game), APP_ID, VERSION, RELEASE_DATE and ASSETS.
source "$(dirname "$0")/lib.sh"

# The pictures' file times must not reach the program: Qt's resource compiler stores
# them unless told not to, and then two clones built a minute apart differ.
for picture in "$ASSETS"/*.jpg "$ASSETS"/*.ico; do
    ms=$(stat -c %.3Y "$picture" | tr -d .)
    perl -e '$t = pack("Q>", shift); local $/; $_ = <>; exit(index($_, $t) >= 0)' "$ms" "$BIN" ||
        fail "the program carries the file time of $(basename "$picture")"
done

# Two builds, each on its own copy of the sources, with file times of their own.
rm -rf "$WORK_DIR"
for copy in a b; do "$SOURCE_DIR/scripts/build-deb.sh" "$WORK_DIR/$copy" >/dev/null; done
sums() { (cd "$WORK_DIR/$1" && sha256sum ./*.deb); }
diff <(sums a) <(sums b) || fail "the two builds differ"
deb=$WORK_DIR/a/batonnets_${VERSION}_$(dpkg --print-architecture).deb

# Any tag lintian or appstreamcli prints is a finding, down to the pedantic and
# experimental ones; justified exceptions are in debian/batonnets.lintian-overrides.
findings() { ! grep -E '^([EWIPX]|lintian): ' "$WORK/$1.log" >&2; }
lintian -I -E --pedantic "$deb" &>"$WORK/lintian.log" || true
findings lintian || fail "lintian"

# Installed for real, and removed afterwards unless it was there before.
[ "$(id -u)" = 0 ] && as_root=() || as_root=(sudo -n)
[ "$(dpkg-query -W -f='${db:Status-Status}' batonnets 2>/dev/null)" = installed ] ||
    trap '"${as_root[@]}" dpkg -r batonnets >/dev/null; cleanup' EXIT
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends \
    --reinstall --allow-downgrades "$deb" &>"$WORK/apt.log" || fail "apt-get install: $(cat "$WORK/apt.log")"
# Exactly these files: no test program, tool or header slipped in.
expected=$(printf '%s\n' /usr/games/batonnets "/usr/share/applications/$APP_ID.desktop" \
    /usr/share/doc/batonnets/{changelog.gz,copyright} /usr/share/lintian/overrides/batonnets \
    /usr/share/man/man6/batonnets.6.gz "/usr/share/metainfo/$APP_ID.metainfo.xml" \
    /usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/"$APP_ID".png | sort)
actual=$(dpkg -L batonnets | while read -r f; do [ -d "$f" ] || echo "$f"; done | sort)
[ "$actual" = "$expected" ] || fail "files: $(diff <(echo "$actual") <(echo "$expected"))"
readelf -d /usr/games/batonnets | grep -E 'R(UN)?PATH' && fail "the program has a run path"

# One version everywhere: the program, the package (named by it), the software-centre
# entry, the manual page; and one release date with debian/changelog.
[ "$(/usr/games/batonnets --version | head -n1)" = "batonnets $VERSION" ] || fail "--version"
metainfo=/usr/share/metainfo/$APP_ID.metainfo.xml
grep -q "<release version=\"$VERSION\" date=\"$RELEASE_DATE\"" "$metainfo" || fail "metainfo release"
changed=$(zcat /usr/share/doc/batonnets/changelog.gz | sed -n 's/^ -- .*>  //p' | head -n1)
[ "$(date -u -d "$changed" +%F)" = "$RELEASE_DATE" ] || fail "debian/changelog dates it $changed"
zcat /usr/share/man/man6/batonnets.6.gz | grep -q "^\.TH BATONNETS 6 \"$RELEASE_DATE\" \"batonnets $VERSION\"" ||
    fail "the manual page is not dated $RELEASE_DATE for $VERSION"

# The menu entry and the software-centre entry validate, the latter to the strictest level
# of both validators software centres use.
desktop-file-validate "/usr/share/applications/$APP_ID.desktop" || fail "desktop entry"
appstreamcli validate --pedantic --no-net "$metainfo" &>"$WORK/appstream.log" && findings appstream ||
    fail "appstreamcli: $(cat "$WORK/appstream.log")"
appstream-util validate-relax --nonet "$metainfo" >/dev/null || fail "appstream-util"

# Every language the game ships (translations/) and French, its own, as installed: the
# menu entry's name, generic name, comment and keywords, the software-centre entry's name,
# summary and every paragraph of its description, the manual page's list of languages,
# and --help with the option descriptions of that language's .ts.
translation() { # of the game's text $2 into language $1
    [ "$1" = fr ] && echo "$2" || perl -0ne 'BEGIN { $s = shift } print $1 if
        m{<source>\Q$s\E</source>.*?<translation>([^<]*)</translation>}s' "$2" \
        "$SOURCE_DIR/translations/batonnets_$1.ts"
}
desktop=/usr/share/applications/$APP_ID.desktop
paragraphs=$(grep -c '<p>' "$metainfo")
manual=$(zcat /usr/share/man/man6/batonnets.6.gz)
for lang in fr $(ls "$SOURCE_DIR"/translations/batonnets_*.ts | sed 's/.*_\(.*\)\.ts/\1/'); do
    [ "$lang" = fr ] && key="" attribute="" || key="\[$lang]" attribute=" xml:lang=\"$lang\""
    for field in Name GenericName Comment Keywords; do
        grep -q "^$field$key=." "$desktop" || fail "the menu entry has no $field in $lang"
    done
    for tag in name summary; do
        grep -q "<$tag$attribute>" "$metainfo" || fail "the metainfo has no <$tag$attribute>"
    done
    [ "$(grep -c "<p$attribute>" "$metainfo")" = "$paragraphs" ] && grep -q "<lang>$lang</lang>" "$metainfo" ||
        fail "the metainfo's description is not whole in $lang"
    grep -q "^\.RB ( $lang )" <<<"$manual" || fail "the manual page omits $lang"
    help=$(LANGUAGE=$lang /usr/games/batonnets --help)
    for text in "Utilisation : batonnets [options]" "Affiche cette aide et quitte." \
        "Affiche la version et la licence, et quitte."; do
        said=$(translation "$lang" "$text")
        [ -n "$said" ] && grep -qF -- "$said" <<<"$help" || fail "[$lang] --help: no '${said:-$text}' in: $help"
    done
done

# The installed game speaks the desktop's language, and French when LANGUAGE asks for it:
# the window's title tells which. It is read as the desktop reads it, from _NET_WM_NAME:
# the older WM_NAME is in the locale's encoding, garbled under one not installed here.
start_xvfb
while IFS='|' read -r locale title; do
    # shellcheck disable=SC2086 # the locale's settings are words
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES $locale /usr/games/batonnets &>"$WORK/game.log" &
    game=$!
    PIDS+=("$game")
    win=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game" | head -n1) ||
        fail "[$locale] no window: $(cat "$WORK/game.log")"
    shown=$(xdotool getwindowname "$win")
    [ "$shown" = "$title - Vendrix34 -  v ${VERSION%.*}" ] || fail "[$locale] the window is titled '$shown'"
    kill "$game"
    wait "$game" || true
done <<EOF_ROWS
LANG=de_DE.UTF-8|Stäbchenspiel
LANG=de_DE.UTF-8 LANGUAGE=fr|Jeu des bâtonnets
EOF_ROWS
