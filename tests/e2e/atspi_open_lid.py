#!/usr/bin/python3
# Opens the lid through the accessibility bus, as a screen reader would, and times its
# slide: presses "Ouvrir", then watches the lid's position until it is fully open.
# Prints "slide-ms MS"; exits 1 if the game or its controls are not found, or if the lid
# has not opened within the time given (seconds, the first argument).
import sys
import time

import pyatspi


def find(root, role, name):
    for child in root:
        if child is None:
            continue
        if child.getRoleName() == role and child.name == name:
            return child
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def app(name, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for a in pyatspi.Registry.getDesktop(0):
            if a is not None and a.name == name and a.childCount > 0:
                return a
        time.sleep(0.1)
    return None


def lid_left(lid):
    return lid.queryComponent().getExtents(pyatspi.WINDOW_COORDS).x


limit = float(sys.argv[1])
game = app("batonnets", 20)
if game is None:
    sys.exit("the game never appeared on the accessibility bus")
ouvrir = find(game, "push button", "Ouvrir")
lid = find(game, "image", "Couvercle")
if ouvrir is None or lid is None:
    sys.exit("no Ouvrir button or no lid")
width = lid.queryComponent().getExtents(pyatspi.WINDOW_COORDS).width
if lid_left(lid) != 0:
    sys.exit("the lid is not closed at the start")

# Each reading of the lid's place is a request the program answers from inside the
# animation, as it answers the compositor's pings: the slowest answer is reported.
start = time.monotonic()
ouvrir.queryAction().doAction(0)
slowest = 0.0
midway = 0
while True:
    asked = time.monotonic()
    left = lid_left(lid)
    slowest = max(slowest, time.monotonic() - asked)
    if left >= width:
        break
    midway += left > 0
    if time.monotonic() - start > limit:
        sys.exit(f"the lid is still at {left} after {limit} s")
    time.sleep(0.01)
print(f"slide-ms {(time.monotonic() - start) * 1000:.0f}")
print(f"midway-readings {midway}")
print(f"slowest-answer-ms {slowest * 1000:.0f}")
