// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: completes the row of sticks and locks picking until the first game.
#pragma once

#include "BatonModule.h"
#include "game/WindowOps.h"

namespace batonnets {

void startUp(BatonModule& m, WindowOps& w);

} // namespace batonnets
