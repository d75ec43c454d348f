#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A screen reader's side of the game, through the accessibility bus alone. `play` takes
# sticks with their own action, confirms with "Validez votre coup", reads the status line
# and must win on 20 sticks. `lid` presses Ouvrir and reads the lid's place until it is
# open, each reading a request the program answers from inside the animation, as it
# answers the compositor's pings. Every control's first action is its Press.
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def wait_for(what, done):  # polls done() until it holds, and returns what it returned
    end = time.monotonic() + 20
    while not (result := done()):
        if time.monotonic() > end:
            sys.exit("FAIL: timed out waiting for " + what)
        time.sleep(0.01)
    return result


def children(obj):
    return [obj.get_child_at_index(i) for i in range(obj.get_child_count())]


def descendants(obj):  # the sticks stand in their row, the options in their frames
    return [d for c in children(obj) for d in [c] + descendants(c)]


def find_game():
    return next((a for a in children(Atspi.get_desktop(0))
                 if a and a.get_name() == "batonnets" and a.get_child_count()), None)


game = wait_for("the game on the accessibility bus", find_game)
game.set_cache_mask(Atspi.Cache.NONE)  # every state read from the game itself
controls = {c.get_name(): c for c in descendants(children(game)[0])}

if sys.argv[1] == "lid":
    lid = controls["Couvercle"]
    width = lid.get_extents(Atspi.CoordType.WINDOW).width
    start = time.monotonic()
    controls["Ouvrir"].do_action(0)
    midway = left = slowest = 0
    while left < width:
        asked = time.monotonic()
        left = lid.get_extents(Atspi.CoordType.WINDOW).x
        slowest = max(slowest, time.monotonic() - asked)
        midway += 0 < left < width
        if asked - start > 3:  # a blocking frame made it four times its second
            sys.exit("FAIL: the lid is still at %d after 3 s" % left)
        time.sleep(0.01)
    if midway == 0 or slowest > 0.1:  # a compositor's ping must be answered as quickly
        sys.exit("FAIL: the lid read %d times on its way, the slowest answer in %.0f ms"
                 % (midway, slowest * 1000))
else:
    status = next(c for c in controls.values() if c.get_role() == Atspi.Role.STATUS_BAR)
    sticks = [controls["Bâtonnet %d" % i] for i in range(1, 21)]
    controls["Jouer"].do_action(0)
    left = 21
    while left > 1:
        # The player's turn comes as the status line asks for a move, fewer sticks in play.
        wait_for("the player's turn", lambda: status.get_name() == "A vous de jouer..." and sum(
            s.get_description() == "en jeu" for s in sticks) < left)
        row = [s for s in sticks if s.get_description() == "en jeu"]
        take = (len(row) - 1) % 4  # leaves the computer 4k + 1 sticks, the first time too
        for stick in row[:take]:
            stick.do_action(0)
            wait_for(stick.get_name() + " taken", lambda: stick.get_description() == "pris par vous")
        left = len(row) - take
        if take < 3 and left > 1:  # the third stick ends the move, the last but one the game
            controls["Validez votre coup"].do_action(0)
    wait_for("the win", lambda: status.get_name() == "Vous gagnez !")
