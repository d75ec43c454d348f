// SPDX-License-Identifier: GPL-3.0-or-later
// The animations at the game's own pace (the window's default pass period): how long
// the player waits for each of them, measured on a whole game played through the
// game's handlers on the real window.
#pragma once

namespace batonnets::bench {

// "cadence LOOPS": medians over LOOPS games; each line gives passes and milliseconds.
int measureCadence(int loops);

} // namespace batonnets::bench
