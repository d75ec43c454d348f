// Starting a game with the options selected at that moment, and the option clicks
// that arm the Jouer button.
#pragma once

#include "BatonModule.h"
#include "window/WindowOps.h"

namespace batonnets {

void ClicJouer(BatonModule& m, WindowOps& w);
void ClicOption(BatonModule& m, WindowOps& w);

} // namespace batonnets
