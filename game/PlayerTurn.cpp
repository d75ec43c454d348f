// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerTurn.h"

#include "ComputerTurn.h"
#include "game/CountingLoop.h"
#include "game/Texts.h"

namespace batonnets {

void takeStick(BatonModule& m, WindowOps& w, std::int16_t index) {
    if (index < 0 || index > 20) return;
    if (w.stickTop(index) != InPlayTop) return; // already taken
    if (m.NbPrisJoueur > 2) {                   // picking locked: no game, or it is over
        w.setJoueEnabled(false);
        return;
    }
    ++m.NbPrisJoueur;
    countingLoop(m.PosAnim, w.stickTop(index), TakenByPlayerTop, 1.0f, [&] {
        w.moveStick(index, w.stickLeft(index), m.PosAnim);
        endPass(w, Repaint::Window);
    });
    w.flushFrame();
    w.setJoueEnabled(true);
    --m.NbBatonnets;
    w.announceSticksLeft(m.NbBatonnets);

    // The win comes first: a third stick that leaves one is a win, not a hand-over.
    if (m.NbBatonnets == 1) {
        w.setResultatColor(Green);
        w.setResultatText(texts::VousGagnez);
        m.NbPrisJoueur = 3;
        w.setJouerEnabled(true);
        w.setJoueEnabled(false);
        return;
    }
    if (m.NbPrisJoueur == 3) {
        w.setJoueEnabled(false);
        JeuOrdi(m, w);
    }
}

void confirmMove(BatonModule& m, WindowOps& w) {
    w.setJoueEnabled(false);
    JeuOrdi(m, w);
}

} // namespace batonnets
