// Start-up: completes the row of sticks and locks picking until the first game.
#pragma once

#include "BatonModule.h"
#include "window/WindowOps.h"

namespace batonnets {

void Demarrage(BatonModule& m, WindowOps& w);

} // namespace batonnets
