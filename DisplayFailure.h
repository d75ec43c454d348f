// SPDX-License-Identifier: GPL-3.0-or-later
// When no display opens, Qt ends the program with a fatal message and an abort (core
// dump, exit status 134). The game would rather say why in one line, in the player's
// language, and stop.
#pragma once

namespace batonnets {

// Installed before QApplication: holds Qt's messages back while it starts, and turns
// its fatal "no Qt platform plugin could be initialized" into that line on stderr and
// exit status 1, whatever the platform (X11, Wayland, a missing plugin).
void watchDisplayStart();

// Once QApplication is up: passes the messages held back on and lets Qt's own
// handling take over again.
void displayStarted();

} // namespace batonnets
