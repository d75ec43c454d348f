// SPDX-License-Identifier: GPL-3.0-or-later
#include "Wiring.h"

#include <functional>
#include <utility>

#include "BatonnetsWindow.h"
#include "GradientButton.h"
#include "HandlerQueue.h"
#include "OptionButton.h"
#include "game/BaseBatonnets.h"

namespace batonnets {

void wire(BatonnetsWindow& f, BaseBatonnets& game) {
    // Direct connections: each handler runs inside the event that raised it, to its end.
    // One that ends a game tells the window, which then hands the keyboard to Jouer.
    auto* queue = new HandlerQueue(f);
    auto run = [queue, &f, &game](QWidget* source, std::function<void()> handler) {
        queue->run(source, [&f, &game, handler = std::move(handler)] {
            const bool over = game.gameOver();
            handler();
            if (!over && game.gameOver()) f.gameEnded();
        });
    };
    QObject::connect(&f, &BatonnetsWindow::activated, &f,
                     [run, &f, &game] { run(&f, [&game] { game.onActivated(); }); });
    QObject::connect(&f, &BatonnetsWindow::batonnetClicked, &f, [run, &f, &game](int i) {
        run(&f, [&game, i] { game.onBatonnet(static_cast<std::int16_t>(i)); });
    });
    auto button = [run, &f, &game](GradientButton* b, void (BaseBatonnets::*h)()) {
        QObject::connect(b, &GradientButton::clicked, &f,
                         [run, b, &game, h] { run(b, [&game, h] { (game.*h)(); }); });
    };
    button(f.jouer(), &BaseBatonnets::onJouer);
    button(f.joue(), &BaseBatonnets::onJoue);
    button(f.ouvrir(), &BaseBatonnets::onOuvrir);
    button(f.fermer(), &BaseBatonnets::onFermer);
    button(f.quitter(), &BaseBatonnets::onQuitter);
    for (int i = 0; i < 2; ++i) {
        OptionButton* d = f.debut(i);
        QObject::connect(d, &OptionButton::optionClicked, &f, [run, d, &game](int k) {
            run(d, [&game, k] { game.onDebut(static_cast<std::int16_t>(k)); });
        });
        OptionButton* o = f.force(i);
        QObject::connect(o, &OptionButton::optionClicked, &f, [run, o, &game](int k) {
            run(o, [&game, k] { game.onForce(static_cast<std::int16_t>(k)); });
        });
    }
}

} // namespace batonnets
