// The player's turn: taking a stick with a click, and handing the move over.
#pragma once

#include <cstdint>

#include "BatonModule.h"
#include "window/WindowOps.h"

namespace batonnets {

void ClicBatonnet(BatonModule& m, WindowOps& w, std::int16_t index);
void ClicJoue(BatonModule& m, WindowOps& w);

} // namespace batonnets
