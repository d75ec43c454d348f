// SPDX-License-Identifier: GPL-3.0-or-later
// Every stick is treated, in line or not, so a stick already in line still costs one
// pass. A stick an odd distance away stops one pixel short: the loop never clamps.
#include "Alignment.h"

#include "CountingLoop.h"

namespace batonnets {

namespace {
constexpr float RowTop = 36.0f;
constexpr std::int16_t LastStick = 20;
} // namespace

void Aligne(WindowOps& w, std::int16_t& Indice, std::int16_t& PasAligne, float& PosAnim) {
    for (Indice = 0; Indice <= LastStick; ++Indice) {
        PasAligne = w.stickTop(Indice) < RowTop ? 2 : -2;
        const int i = Indice;
        countingLoop(PosAnim, w.stickTop(i), RowTop, static_cast<float>(PasAligne), [&] {
            w.moveStick(i, w.stickLeft(i), PosAnim);
            endPass(w, Repaint::Window);
        });
    }
    w.flushFrame(); // once, after the last stick: the alignment is one animation
}

} // namespace batonnets
