// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's move: announce, choose from the table, slide the sticks away, and
// either win or hand the turn back.
#pragma once

#include <cstdint>

#include "BatonModule.h"
#include "game/WindowOps.h"

namespace batonnets {

// How many sticks the computer takes facing `nbBatonnets` sticks; 0 means "draw at
// random" (the losing counts 5, 9, 13, 17 and anything outside 2..21).
std::int16_t fixedMove(std::int16_t nbBatonnets);

void JeuOrdi(BatonModule& m, WindowOps& w);

} // namespace batonnets
