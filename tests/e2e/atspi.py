#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A screen reader's side of the game, through the accessibility bus alone. `play` takes
# sticks with their own action, confirms with "Validez votre coup", reads the status line
# and must win on 20 sticks. `lid` presses Ouvrir and reads the lid's place until it is
# open, each reading a request the program answers from inside the animation, as it
# answers the compositor's pings.
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

def fail(msg):
    sys.exit("FAIL: " + msg)


def wait_for(what, done):  # polls done() until it holds, and returns what it returned
    end = time.monotonic() + 20
    while not (result := done()):
        if time.monotonic() > end:
            fail("timed out waiting for " + what)
        time.sleep(0.01)
    return result


def children(obj):
    return [obj.get_child_at_index(i) for i in range(obj.get_child_count())]


def find_game():
    return next((a for a in children(Atspi.get_desktop(0))
                 if a and a.get_name() == "batonnets" and a.get_child_count()), None)


def press(obj):
    obj.do_action(0)  # Press, the first action of each of the game's controls


game = wait_for("the game on the accessibility bus", find_game)
game.set_cache_mask(Atspi.Cache.NONE)  # every state read from the game itself
controls = {c.get_name(): c for c in children(children(game)[0])}

if sys.argv[1] == "lid":
    lid = controls["Couvercle"]
    width = lid.get_extents(Atspi.CoordType.WINDOW).width
    start = time.monotonic()
    press(controls["Ouvrir"])
    midway = left = slowest = 0
    while left < width:
        asked = time.monotonic()
        left = lid.get_extents(Atspi.CoordType.WINDOW).x
        slowest = max(slowest, time.monotonic() - asked)
        midway += 0 < left < width
        if time.monotonic() - start > 3:  # a blocking frame made it four times its second
            fail("the lid is still at %d after 3 s" % left)
        time.sleep(0.01)
    print("the lid slid open in %.0f ms, read %d times on the way, the slowest answer in %.0f ms"
          % ((time.monotonic() - start) * 1000, midway, slowest * 1000))
    if midway == 0 or slowest > 0.1:  # a compositor's ping must be answered as quickly
        fail("the program did not answer within 100 ms while the lid slid")
    sys.exit(0)

status = next(c for c in controls.values() if c.get_role() == Atspi.Role.NOTIFICATION)
sticks = [controls["Bâtonnet %d" % i] for i in range(1, 21)]


press(controls["Jouer"])
wait_for("the game's start", lambda: status.get_name() == "A vous de jouer...")
for turn in range(12):
    row = [s for s in sticks if s.get_description() == "en jeu"]
    take = 3 if turn == 0 else (len(row) - 1) % 4  # leaves the computer 4k + 1 sticks
    if take == 0:
        fail("the computer left %d sticks, a winning count for it" % len(row))
    for stick in row[:take]:
        press(stick)
        wait_for(stick.get_name() + " taken", lambda: stick.get_description() == "pris par vous")
    if len(row) - take == 1:
        break
    if take < 3:
        press(controls["Validez votre coup"])
    # The computer's turn ends as the status line asks for the player's move.
    left = len(row) - take
    wait_for("the computer's answer", lambda: status.get_name() == "A vous de jouer..." and sum(
        s.get_description() == "en jeu" for s in sticks) < left)
wait_for("the win", lambda: status.get_name() == "Vous gagnez !")
