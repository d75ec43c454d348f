#!/usr/bin/python3
# A screen reader's side of the game, through the accessibility bus alone. `play` takes
# sticks with their own action, confirms with "Validez votre coup", hears the status line
# as a screen reader speaks it, and must win on 20 sticks. `lid` presses Ouvrir and reads
# the lid's place until it is open, each reading a request the program answers from
# inside the animation, as it answers the compositor's pings.
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# Debian 12's libatspi offers get_action_name alone, which newer ones call deprecated.
warnings.filterwarnings("ignore", category=DeprecationWarning)
A_VOUS = "A vous de jouer..."


def fail(msg):
    sys.exit("FAIL: " + msg)


def pump_until(what, done):  # lets the bus deliver its events until done() holds
    end = time.monotonic() + 20
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        if done():
            return
        time.sleep(0.01)
    fail("timed out waiting for " + what)


def children(obj):
    return [obj.get_child_at_index(i) for i in range(obj.get_child_count())]


def find_game():
    return next((a for a in children(Atspi.get_desktop(0))
                 if a and a.get_name() == "batonnets" and a.get_child_count()), None)


def press(obj):
    names = [obj.get_action_name(i) for i in range(obj.get_n_actions())]
    obj.do_action(names.index("Press"))


found = []
pump_until("the game on the accessibility bus", lambda: found.append(find_game()) or found[-1])
found[-1].set_cache_mask(Atspi.Cache.NONE)  # every state read from the game itself
controls = {c.get_name(): c for c in children(children(found[-1])[0])}

if sys.argv[1] == "lid":
    lid = controls["Couvercle"]
    width = lid.get_extents(Atspi.CoordType.WINDOW).width
    start = time.monotonic()
    press(controls["Ouvrir"])
    slowest = midway = left = 0
    while left < width:
        asked = time.monotonic()
        left = lid.get_extents(Atspi.CoordType.WINDOW).x
        slowest = max(slowest, time.monotonic() - asked)
        midway += 0 < left < width
        if asked - start > 3:  # a blocking frame made it four times its second
            fail("the lid is still at %d after 3 s" % left)
        time.sleep(0.01)
    print("the lid slid open in %.0f ms; %d readings on the way, the slowest answered in %.0f ms"
          % ((time.monotonic() - start) * 1000, midway, slowest * 1000))
    if midway == 0 or slowest > 0.1:
        fail("the program did not answer promptly while the lid slid")
    sys.exit(0)

# What a screen reader would speak of the status line: it appearing, as a notification.
spoken = []


def heard(event):
    if event.source.get_role() == Atspi.Role.NOTIFICATION and event.detail1 == 1:
        spoken.append(event.source.get_name())


listener = Atspi.EventListener.new(heard)
listener.register("object:state-changed:showing")
sticks = [controls["Bâtonnet %d" % i] for i in range(1, 21)]
press(controls["Jouer"])
pump_until("the game's start", lambda: A_VOUS in spoken)
for turn in range(12):
    row = [s for s in sticks if s.get_description() == "en jeu"]
    take = 3 if turn == 0 else (len(row) - 1) % 4  # leaves the computer 4k + 1 sticks
    if take == 0:
        fail("the computer left %d sticks, a winning count for it" % len(row))
    mark = len(spoken)
    for stick in row[:take]:
        press(stick)
        pump_until(stick.get_name() + " taken", lambda: stick.get_description() == "pris par vous")
    if len(row) - take == 1:
        break
    if take < 3:
        press(controls["Validez votre coup"])
    pump_until("the computer's answer", lambda: A_VOUS in spoken[mark:])
    # Each message heard as it was shown, while the computer's turn was still running.
    if spoken[mark:] != ["L'ordinateur joue", A_VOUS]:
        fail("heard %r during the computer's turn" % spoken[mark:])
pump_until("the win", lambda: "Vous gagnez !" in spoken[mark:])
print("the player won; heard", spoken)
