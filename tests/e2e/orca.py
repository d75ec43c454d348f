#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A blind player's game: keys typed with xdotool, nothing read but Orca's SPEECH OUTPUT lines.
# The player always leaves the computer 4k + 1 sticks, counting from what it hears; every status
# message must be heard once, in order, and at the end the focus on Jouer, after the result.
# Usage: orca.py WORK. Touches WORK/orca-ready once Orca speaks, then plays the game the caller
# starts; Orca's whole log is kept in WORK/orca.log.
import atexit
import os
import re
import subprocess
import sys
import threading
import time
import tty

WORK = sys.argv[1]
# Orca writes its debug log through Python's buffered files: to a pseudo-terminal, which
# Python writes line by line, so that each utterance is there to read as it is said.
master, slave = os.openpty()
tty.setraw(slave)
orca = subprocess.Popen(["orca", "--replace", "--debug-file=" + os.ttyname(slave)],
                        env=dict(os.environ, LC_ALL="C.UTF-8", LANGUAGE=""),  # in English
                        stdout=open(WORK + "/orca.out", "w"), stderr=subprocess.STDOUT)
atexit.register(orca.terminate)
said = ""  # every utterance so far, one a line
heard = 0  # how far it has been gone through


def listen():
    global said
    with open(WORK + "/orca.log", "wb", buffering=0) as log:  # read by e2e_atspi.sh too
        for line in os.fdopen(master, "rb"):
            log.write(line)
            if m := re.search(r"SPEECH OUTPUT: '(.*?)' ?(\{.*\})?$", line.decode().rstrip()):
                said += m[1] + "\n"


def hear(pattern, wait=20):  # waits for what matches next in what was said; the match
    global heard
    end = time.monotonic() + wait
    while not (m := re.compile(pattern, re.M).search(said, heard)):
        if time.monotonic() > end:
            sys.exit("FAIL: never heard /%s/ in:\n%s" % (pattern, said[heard:][-600:]))
        time.sleep(0.05)
    heard = m.end()
    return m


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


threading.Thread(target=listen, daemon=True).start()
hear(r".", 60)  # Orca is up (its first start on a new machine is slow)
open(WORK + "/orca-ready", "w").close()
hear(r"^Normale", 90)  # the focus on the first option, once the caller has the window read
while not os.path.exists(WORK + "/window-read"):  # and has done with the window's focus
    time.sleep(0.05)
for _ in range(4):
    key("Tab")
hear(r"^Jouer push button")
key("space")
hear(r"^A vous de jouer\.\.\.$")
expected = ["A vous de jouer..."]  # the status line's messages, as they come
left = 20
while left > 1:
    take = (left - 1) % 4
    for _ in range(take):
        key("space")  # the focused stick, the leftmost in play
        left -= 1
        hear(r"^Il en reste %d\.( |$)" % left)
    if left > 1:
        if take < 3:  # the third stick hands over by itself
            key("Tab")
            hear(r"^Validez votre coup push button")
            key("space")
        hear(r"L'ordinateur joue")
        m = hear(r"^L'ordinateur prend (\d) bâtonnets?, il en reste (\d+)\. A vous de jouer\.\.\.$")
        if not 1 <= int(m[1]) == left - int(m[2]) <= 3:
            sys.exit("FAIL: heard %r with %d sticks in play" % (m[0], left))
        left = int(m[2])
        expected += ["L'ordinateur joue", "A vous de jouer..."]
hear(r"Vous gagnez !$")
hear(r"^Jouer push button")  # the focus, on to the next game: said after the result
time.sleep(1)  # anything said late
got = re.findall(r"A vous de jouer\.\.\.|L'ordinateur joue|Vous gagnez !|J'ai gagné !", said)
if got != expected + ["Vous gagnez !"]:
    sys.exit("FAIL: the messages heard were\n  %s\nnot\n  %s" % (got, expected))
