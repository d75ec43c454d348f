// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a game with the options selected at that moment, and the option clicks
// that arm the Jouer button.
#pragma once

#include "BatonModule.h"
#include "game/WindowOps.h"

namespace batonnets {

void startGame(BatonModule& m, WindowOps& w);
void optionClicked(BatonModule& m, WindowOps& w);

} // namespace batonnets
