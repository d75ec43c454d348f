// SPDX-License-Identifier: GPL-3.0-or-later
// The one rule every animation follows: a single-precision loop variable, end and step
// fixed when the loop starts, the test made before every pass (the first included) and
// admitting equality, the step added after each pass, and no clamping to the end value.
// The variable is the caller's (PosAnim), so it is left at the first value past the end.
#pragma once

#include <cstdint>

#include "WindowOps.h"

namespace batonnets {

// The time one animation pass takes at least, the same in every animation and on every
// front end: about one second for the lid's 858-pass slide, the longest single one.
inline constexpr std::int32_t PassPeriodUs = 1165;

template <class Pass>
void countingLoop(float& var, float start, const float end, const float step, Pass pass) {
    var = start;
    while (step > 0.0f ? var <= end : var >= end) {
        pass();
        var += step;
    }
}

enum class Repaint { Window, Lid };

// Closes an animation pass: what it changed, for the window's next frame, then the
// fixed pace.
inline void endPass(WindowOps& w, Repaint what) {
    if (what == Repaint::Window)
        w.repaintWindow();
    else
        w.repaintLid();
    w.pace();
}

} // namespace batonnets
