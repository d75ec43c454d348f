#!/usr/bin/python3
# A screen reader's view of a whole game: this client finds the game on the accessibility
# bus, hears the status line through the events a screen reader speaks, takes sticks with
# their own action, confirms with "Validez votre coup", and must win on 20 sticks. It
# never touches the mouse or the keyboard.
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# Debian 12's libatspi offers get_action_name alone, which newer ones call deprecated.
warnings.filterwarnings("ignore", category=DeprecationWarning)

TIMEOUT = 60  # seconds for any one step; the game's own pace is well under that
A_VOUS, VOUS_GAGNEZ, J_AI_GAGNE = "A vous de jouer...", "Vous gagnez !", "J'ai gagné !"
ORDI_JOUE = "L'ordinateur joue"
EN_JEU, PRIS_PAR_VOUS = "en jeu", "pris par vous"


def fail(msg):
    print("FAIL:", msg, file=sys.stderr)
    sys.exit(1)


def pump_until(what, done):
    """Lets the bus deliver its events until done() holds."""
    end = time.monotonic() + TIMEOUT
    ctx = GLib.MainContext.default()
    while time.monotonic() < end:
        while ctx.iteration(False):
            pass
        if done():
            return
        time.sleep(0.01)
    fail("timed out waiting for " + what)


def find_app():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "batonnets":
            return app
    return None


def press(obj):
    for i in range(obj.get_n_actions()):
        if obj.get_action_name(i) == "Press":
            obj.do_action(i)
            return
    fail("%s has no Press action" % obj.get_name())


def showing(obj):
    return obj.get_state_set().contains(Atspi.StateType.SHOWING)


found = []
pump_until("the game on the accessibility bus", lambda: found.append(find_app()) or found[-1])
app = found[-1]
# Every state read straight from the game, never from libatspi's cache.
app.set_cache_mask(Atspi.Cache.NONE)
frame = app.get_child_at_index(0)
if frame.get_role() != Atspi.Role.FRAME:
    fail("the window is a %s, not a frame" % frame.get_role_name())
controls = [frame.get_child_at_index(i) for i in range(frame.get_child_count())]
by_name = {c.get_name(): c for c in controls}
sticks = sorted((c for c in controls if c.get_name().startswith("Bâtonnet ")),
                key=lambda c: int(c.get_name().split()[1]))
label = next(c for c in controls if c.get_role() == Atspi.Role.NOTIFICATION)
if len(sticks) != 21 or any(s.get_role() != Atspi.Role.PUSH_BUTTON for s in sticks):
    fail("21 sticks as push buttons expected")

# What a screen reader would speak of the status line: it appearing, as a notification.
spoken = []


def heard(event):
    if event.source.get_role() == Atspi.Role.NOTIFICATION and event.detail1 == 1:
        spoken.append(event.source.get_name())


listener = Atspi.EventListener.new(heard)
listener.register("object:state-changed:showing")


def in_play():
    return [s for s in sticks if s.get_description() == EN_JEU and showing(s)]


def answer(after):
    """Waits for the message that hands the turn back, or ends the game."""
    pump_until("the computer's answer",
               lambda: any(m in (A_VOUS, J_AI_GAGNE) for m in spoken[after:]))


press(by_name["Jouer"])
answer(0)
if label.get_name() != A_VOUS:
    fail("the label reads %r" % label.get_name())
for turn in range(12):
    row = in_play()
    n = len(row)
    if n <= 1:
        break
    take = 3 if turn == 0 else (n - 1) % 4
    if take == 0:
        fail("the computer left %d sticks, a winning count for it" % n)
    print("turn %d: %d sticks, taking %d" % (turn, n, take), flush=True)
    mark = len(spoken)
    for stick in row[:take]:
        press(stick)
        pump_until(stick.get_name() + " taken", lambda: stick.get_description() == PRIS_PAR_VOUS)
    if n - take == 1:
        pump_until("the win", lambda: VOUS_GAGNEZ in spoken[mark:])
        break
    if take < 3:
        press(by_name["Validez votre coup"])
    answer(mark)
    # Each message heard as it was shown, while the computer's turn was still running.
    if spoken[mark:] != [ORDI_JOUE, A_VOUS]:
        fail("heard %r during the computer's turn" % spoken[mark:])

if label.get_name() != VOUS_GAGNEZ or spoken[-1] != VOUS_GAGNEZ:
    fail("no win: the label reads %r, last spoken %r" % (label.get_name(), spoken[-1:]))
if len(in_play()) != 1 or showing(sticks[20]):
    fail("one stick should be left, and stick 21 lies outside the window")
print("spoken:", spoken)
print("the player won")
