#include "BaseBatonnets.h"

#include "Demarrage.h"
#include "Partie.h"
#include "TourJoueur.h"
#include "window/Couvercle.h"
#include "window/Quitter.h"

namespace batonnets {

void BaseBatonnets::activation() {
    if (demarre_ || termine_) return;
    demarre_ = true;
    Demarrage(m_, w_);
}

void BaseBatonnets::clicJouer() {
    if (!termine_) ClicJouer(m_, w_);
}

void BaseBatonnets::clicJoue() {
    if (!termine_) ClicJoue(m_, w_);
}

void BaseBatonnets::clicBatonnet(std::int16_t index) {
    if (!termine_) ClicBatonnet(m_, w_, index);
}

// Both option groups only arm Jouer; the selection is read when a game starts.
void BaseBatonnets::clicDebut(std::int16_t) {
    if (!termine_) ClicOption(m_, w_);
}

void BaseBatonnets::clicForce(std::int16_t) {
    if (!termine_) ClicOption(m_, w_);
}

void BaseBatonnets::clicOuvrir() {
    if (!termine_) Ouvre(w_, m_.PosAnim);
}

void BaseBatonnets::clicFermer() {
    if (!termine_) Ferme(w_, m_.PosAnim);
}

void BaseBatonnets::clicQuitter() {
    if (termine_) return;
    termine_ = true;
    Quitter(w_, m_.Indice, m_.PasAligne, m_.PosAnim);
}

} // namespace batonnets
