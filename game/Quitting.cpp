// SPDX-License-Identifier: GPL-3.0-or-later
#include "Quitting.h"

#include "Alignment.h"
#include "Lid.h"

namespace batonnets {

void Quitter(WindowOps& w, std::int16_t& Indice, std::int16_t& PasAligne, float& PosAnim) {
    Aligne(w, Indice, PasAligne, PosAnim);
    Ferme(w, PosAnim);
    // The closed box stays on screen for a moment before the window goes away.
    w.sleepMs(1000);
    w.endProgram();
}

} // namespace batonnets
