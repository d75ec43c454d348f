// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaseBatonnets.h"

#include "NewGame.h"
#include "PlayerTurn.h"
#include "StartUp.h"
#include "game/Lid.h"
#include "game/Quitting.h"

namespace batonnets {

void BaseBatonnets::onActivated() {
    if (started_ || ended_) return;
    started_ = true;
    startUp(m_, w_);
}

void BaseBatonnets::onJouer() {
    if (!ended_) startGame(m_, w_);
}

void BaseBatonnets::onJoue() {
    if (!ended_) confirmMove(m_, w_);
}

void BaseBatonnets::onBatonnet(std::int16_t index) {
    if (!ended_) takeStick(m_, w_, index);
}

// Both option groups only arm Jouer; the selection is read when a game starts.
void BaseBatonnets::onDebut(std::int16_t) {
    if (!ended_) optionClicked(m_, w_);
}

void BaseBatonnets::onForce(std::int16_t) {
    if (!ended_) optionClicked(m_, w_);
}

void BaseBatonnets::onOuvrir() {
    if (ended_) return;
    Ouvre(w_, m_.PosAnim);
    w_.announceLid(true);
}

void BaseBatonnets::onFermer() {
    if (ended_) return;
    Ferme(w_, m_.PosAnim);
    w_.announceLid(false);
}

void BaseBatonnets::onQuitter() {
    if (ended_) return;
    ended_ = true;
    Quitter(w_, m_.Indice, m_.PasAligne, m_.PosAnim);
}

} // namespace batonnets
