// SPDX-License-Identifier: GPL-3.0-or-later
// The player's turn: taking a stick with a click, and handing the move over.
#pragma once

#include <cstdint>

#include "BatonModule.h"
#include "game/WindowOps.h"

namespace batonnets {

void takeStick(BatonModule& m, WindowOps& w, std::int16_t index);
void confirmMove(BatonModule& m, WindowOps& w);

} // namespace batonnets
