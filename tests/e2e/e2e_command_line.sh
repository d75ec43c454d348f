#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program without a display: -v answers (the package test asks --help), Qt's options
# still start the game on a platform chosen on purpose, anything else is refused in
# French, --help describes the game in its own words; with no display, one French line
# says so and the status is 1, not Qt's 134.
# Both speak the desktop's language: the first the game has of LANGUAGE's list, else of
# LC_ALL, LC_MESSAGES or LANG, the first of them set.
source "$(dirname "$0")/lib.sh"
export XDG_RUNTIME_DIR=$WORK # private, as a session's is, where no compositor listens

# arguments | environment | exit status (124: still running after three seconds, so the
# game started) | a line of the output, the whole of it for status 1
while IFS='|' read -r args changes want line; do
    # shellcheck disable=SC2086 # the changes and the arguments are words
    out=$(timeout 3 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $changes "$BIN" $args 2>&1) &&
        status=0 || status=$?
    [ "$status" = "$want" ] || fail "[$changes] batonnets $args: status $status, not $want: $out"
    [ -z "$line" ] || grep -qxF -- "$line" <<<"$out" || fail "[$changes] batonnets $args said: $out"
    [ "$want" != 1 ] || [ "$out" = "$line" ] || fail "[$changes] more than one line: $out"
done <<EOF_ROWS
-platform offscreen -v||0|batonnets $VERSION
-reverse -platform offscreen -style fusion||124|
--jouer|QT_QPA_PLATFORM=offscreen|2|batonnets : option inconnue « --jouer »
expert|QT_QPA_PLATFORM=offscreen|2|batonnets : argument inattendu « expert »
||1|batonnets : aucun écran disponible (DISPLAY n'est pas défini) ; le jeu a besoin d'un affichage graphique.
|DISPLAY=:99999|1|batonnets : aucun écran disponible (impossible d'ouvrir l'écran « :99999 ») ; le jeu a besoin d'un affichage graphique.
|WAYLAND_DISPLAY=nobody-here QT_QPA_PLATFORM=wayland|1|batonnets : aucun écran disponible (impossible de joindre le compositeur Wayland « nobody-here ») ; le jeu a besoin d'un affichage graphique.
|QT_QPA_PLATFORM=no-such-plugin|1|batonnets : aucun écran disponible (module d'affichage « no-such-plugin » introuvable) ; le jeu a besoin d'un affichage graphique.
--help|LANGUAGE=pt:de LC_ALL=it_IT.UTF-8 LANG=es_ES.UTF-8|0|Aufruf: batonnets [Optionen]
--help|LANGUAGE= LC_ALL= LC_MESSAGES=es_ES.UTF-8 LANG=de_DE.UTF-8|0|Uso: batonnets [opciones]
--help|LANGUAGE= LC_ALL= LC_MESSAGES= LANG=de_DE.UTF-8|0|Aufruf: batonnets [Optionen]
--help|LANGUAGE= LC_ALL=C|0|Jeu de batonnets contre ordinateur.  Chacun son tour on enlève, au choix, entre 1 et 3 batonnets.  Le perdant est celui qui prend le dernier
|LANGUAGE= LC_ALL=it_IT.UTF-8 LC_MESSAGES=es_ES.UTF-8 LANG=de_DE.UTF-8 DISPLAY=:99999|1|batonnets: nessuno schermo disponibile (impossibile aprire lo schermo «:99999»); il gioco ha bisogno di uno schermo grafico.
EOF_ROWS
