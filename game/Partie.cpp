#include "Partie.h"

#include "Distribution.h"
#include "JeuOrdi.h"
#include "window/Aligne.h"
#include "window/Couvercle.h"
#include "window/Textes.h"

namespace batonnets {

void ClicJouer(BatonModule& m, WindowOps& w) {
    Aligne(w, m.Indice, m.PasAligne, m.PosAnim);
    // A board or spacing change can only follow an option click, and then the lid
    // closes first, so the player never sees the sticks being re-laid.
    if (m.OptionModifiee) Ferme(w, m.PosAnim);
    w.setResultatText("");

    const bool joueurCommence = w.optionSelected(Option::DebutJoueur);
    const bool expert = w.optionSelected(Option::ForceExpert);
    if (joueurCommence && expert) {
        w.setBoard(Plateau::VingtEtUn);
        Distribution21(m, w);
    } else {
        w.setBoard(Plateau::Vingt);
        Distribution20(m, w);
    }
    w.setJouerEnabled(false);
    // Every game begins with no stick taken, so it cannot be confirmed yet, even when
    // the previous game was abandoned in the middle of a turn.
    w.setJoueEnabled(false);
    m.NbPrisJoueur = 0;
    Ouvre(w, m.PosAnim);
    w.setResultatColor(Vert);
    if (w.optionSelected(Option::DebutOrdinateur)) {
        JeuOrdi(m, w);
    } else {
        w.setResultatText(textes::AVousDeJouer);
        w.setResultatFlag(true);
    }
}

void ClicOption(BatonModule& m, WindowOps& w) {
    w.setJouerEnabled(true);
    m.OptionModifiee = Vrai;
}

} // namespace batonnets
