// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartUp.h"

namespace batonnets {

void startUp(BatonModule& m, WindowOps& w) {
    // Sticks 1..20 are copies of stick 0, spaced like the 20-stick game (stick 20 ends
    // up one pixel past the right edge, out of sight).
    for (m.Indice = 1; m.Indice <= 20; ++m.Indice) {
        w.createStick(m.Indice);
        w.showStick(m.Indice);
        w.setStickLeft(m.Indice, w.stickLeft(m.Indice - 1) + 42.0f);
    }
    m.NbPrisJoueur = 3; // no stick can be taken before a game starts
}

} // namespace batonnets
