// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game in the page: the game's handlers, one exported function each, which the
// page's script calls one at a time, each to its end (a handler may span many frames).
#include <emscripten.h>

#include "WebWindow.h"
#include "game/BaseBatonnets.h"

namespace {

batonnets::WebWindow window;
batonnets::BaseBatonnets game(window);

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void batonnets_onActivated() {
    game.onActivated();
}
EMSCRIPTEN_KEEPALIVE void batonnets_onJouer() {
    game.onJouer();
}
EMSCRIPTEN_KEEPALIVE void batonnets_onJoue() {
    game.onJoue();
}
EMSCRIPTEN_KEEPALIVE void batonnets_onBatonnet(int index) {
    game.onBatonnet(static_cast<std::int16_t>(index));
}
EMSCRIPTEN_KEEPALIVE void batonnets_onDebut(int index) {
    game.onDebut(static_cast<std::int16_t>(index));
}
EMSCRIPTEN_KEEPALIVE void batonnets_onForce(int index) {
    game.onForce(static_cast<std::int16_t>(index));
}
EMSCRIPTEN_KEEPALIVE void batonnets_onOuvrir() {
    game.onOuvrir();
}
EMSCRIPTEN_KEEPALIVE void batonnets_onFermer() {
    game.onFermer();
}
EMSCRIPTEN_KEEPALIVE void batonnets_onQuitter() {
    game.onQuitter();
}

} // extern "C"

int main() {
    // The runtime stays alive after main returns: the page calls the handlers from then on.
    window.start();
    return 0;
}
