// SPDX-License-Identifier: GPL-3.0-or-later
#include "NewGame.h"

#include "ComputerTurn.h"
#include "StickLayouts.h"
#include "game/Alignment.h"
#include "game/Lid.h"
#include "game/Texts.h"

namespace batonnets {

void startGame(BatonModule& m, WindowOps& w) {
    Aligne(w, m.Indice, m.PasAligne, m.PosAnim);
    // A board or spacing change can only follow an option click, and then the lid
    // closes first, so the player never sees the sticks being re-laid.
    if (m.OptionModifiee) Ferme(w, m.PosAnim);
    w.setResultatText("");

    const bool playerFirst = w.optionSelected(Option::DebutJoueur);
    const bool strong = w.optionSelected(Option::ForceExpert);
    if (playerFirst && strong) {
        w.setBoard(Board::TwentyOne);
        Distribution21(m, w);
    } else {
        w.setBoard(Board::Twenty);
        Distribution20(m, w);
    }
    w.setJouerEnabled(false);
    // Every game begins with no stick taken, so it cannot be confirmed yet, even when
    // the previous game was abandoned in the middle of a turn.
    w.setJoueEnabled(false);
    m.NbPrisJoueur = 0;
    Ouvre(w, m.PosAnim);
    w.setResultatColor(Green);
    if (w.optionSelected(Option::DebutOrdinateur)) {
        JeuOrdi(m, w);
    } else {
        w.setResultatText(texts::AVousDeJouer);
        w.setResultatFlag(true);
    }
}

void optionClicked(BatonModule& m, WindowOps& w) {
    w.setJouerEnabled(true);
    m.OptionModifiee = True16;
}

} // namespace batonnets
