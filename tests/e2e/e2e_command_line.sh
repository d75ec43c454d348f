#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line: --help and --version answer without a display, Qt's options still
# start the game, and anything else is refused in French.
# Expects BIN and VERSION in the environment.
source "$(dirname "$0")/lib.sh"

# arguments | exit status (124: still running after two seconds, so the game started) |
# a line of the output
while IFS='|' read -r args want line; do
    status=0
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
        timeout 2 "$BIN" $args 2>&1) || status=$?
    [ "$status" = "$want" ] || fail "batonnets $args: status $status, not $want: $out"
    [ -z "$line" ] || grep -qxF -- "$line" <<<"$out" || fail "batonnets $args said: $out"
done <<EOF_ROWS
--help|0|Utilisation : batonnets [options]
-h|0|  -v, --version  Affiche la version et la licence, et quitte.
--version|0|batonnets $VERSION
-platform offscreen -v|0|batonnets $VERSION
-reverse -style fusion|124|
--jouer|2|batonnets : option inconnue « --jouer »
-x=1|2|batonnets : option inconnue « -x=1 »
expert|2|batonnets : argument inattendu « expert »
EOF_ROWS
echo "ok"
