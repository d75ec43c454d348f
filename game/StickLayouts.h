// SPDX-License-Identifier: GPL-3.0-or-later
// The two stick layouts: 20 sticks spaced 42 px from 18, or 21 spaced 40 px from 15.
#pragma once

#include "BatonModule.h"
#include "game/WindowOps.h"

namespace batonnets {

void Distribution20(BatonModule& m, WindowOps& w);
void Distribution21(BatonModule& m, WindowOps& w);

} // namespace batonnets
