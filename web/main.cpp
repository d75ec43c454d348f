// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game in the page: the game's handlers, one exported function each, which the
// page's script calls one at a time, each to its end (a handler may span many frames).
#include <emscripten.h>

#include "WebWindow.h"
#include "game/BaseBatonnets.h"

namespace {

batonnets::WebWindow window;
batonnets::BaseBatonnets game(window);

EM_JS(void, pageGameEnded, (), { Page.gameEnded(); });

// Runs a handler; one that ends a game tells the page, which then hands the keyboard to
// Jouer.
template <class Handler> void run(Handler handler) {
    const bool over = game.gameOver();
    handler();
    if (!over && game.gameOver()) pageGameEnded();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void batonnets_onActivated() {
    run([&] { game.onActivated(); });
}
EMSCRIPTEN_KEEPALIVE void batonnets_onJouer() {
    run([&] { game.onJouer(); });
}
EMSCRIPTEN_KEEPALIVE void batonnets_onJoue() {
    run([&] { game.onJoue(); });
}
EMSCRIPTEN_KEEPALIVE void batonnets_onBatonnet(int index) {
    run([&] { game.onBatonnet(static_cast<std::int16_t>(index)); });
}
EMSCRIPTEN_KEEPALIVE void batonnets_onDebut(int index) {
    run([&] { game.onDebut(static_cast<std::int16_t>(index)); });
}
EMSCRIPTEN_KEEPALIVE void batonnets_onForce(int index) {
    run([&] { game.onForce(static_cast<std::int16_t>(index)); });
}
EMSCRIPTEN_KEEPALIVE void batonnets_onOuvrir() {
    run([&] { game.onOuvrir(); });
}
EMSCRIPTEN_KEEPALIVE void batonnets_onFermer() {
    run([&] { game.onFermer(); });
}
EMSCRIPTEN_KEEPALIVE void batonnets_onQuitter() {
    run([&] { game.onQuitter(); });
}

} // extern "C"

int main() {
    // The runtime stays alive after main returns: the page calls the handlers from then on.
    window.start();
    return 0;
}
