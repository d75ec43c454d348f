// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComputerTurn.h"

#include <cmath>

#include "game/CountingLoop.h"
#include "game/Texts.h"

namespace batonnets {

std::int16_t fixedMove(std::int16_t n) {
    switch (n) {
    case 2:
    case 6:
    case 10:
    case 14:
    case 18:
    case 21:
        return 1;
    case 3:
    case 7:
    case 11:
    case 15:
    case 19:
        return 2;
    case 4:
    case 8:
    case 12:
    case 16:
    case 20:
        return 3;
    default:
        return 0;
    }
}

void JeuOrdi(BatonModule& m, WindowOps& w) {
    w.setResultatColor(DarkRed);
    w.setResultatText(texts::OrdinateurJoue);

    m.NbPrisOrdi = fixedMove(m.NbBatonnets);
    if (m.NbPrisOrdi == 0) {
        // A losing count: no move wins, so the computer hides it behind a random one.
        w.reseedFromTimeOfDay();
        const double r = w.nextRandom();
        m.NbPrisOrdi = static_cast<std::int16_t>(std::floor(3.0 * r + 1.0));
    }

    // The computer takes the leftmost sticks still in play.
    const std::int16_t before = m.NbBatonnets;
    for (m.Indice = 0; m.Indice <= 20; ++m.Indice) {
        if (m.NbPrisOrdi == 0) break;
        const int i = m.Indice;
        if (w.stickTop(i) != InPlayTop) continue;
        countingLoop(m.PosAnim, InPlayTop, TakenByComputerTop, -1.0f, [&] {
            w.moveStick(i, w.stickLeft(i), m.PosAnim);
            endPass(w, Repaint::Window);
        });
        --m.NbPrisOrdi;
        --m.NbBatonnets;
    }
    w.flushFrame(); // once, after its last stick: the computer's move is one animation
    w.announceComputerMove(before - m.NbBatonnets, m.NbBatonnets);

    if (m.NbBatonnets == 1) {
        m.NbPrisJoueur = 3;
        w.setResultatColor(DarkRed);
        w.setResultatText(texts::JaiGagne);
        w.setJouerEnabled(true);
        w.setJoueEnabled(false);
    } else {
        w.setResultatColor(Green);
        w.setResultatText(texts::AVousDeJouer);
        w.setJoueEnabled(false);
        m.NbPrisJoueur = 0;
    }
    w.setResultatFlag(true);
}

} // namespace batonnets
