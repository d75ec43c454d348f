// SPDX-License-Identifier: GPL-3.0-or-later
#include "Wiring.h"

#include "BatonnetsWindow.h"
#include "GradientButton.h"
#include "HandlerQueue.h"
#include "OptionButton.h"
#include "game/BaseBatonnets.h"

namespace batonnets {

void wire(BatonnetsWindow& f, BaseBatonnets& game) {
    // Direct connections: each handler runs inside the event that raised it, to its end.
    auto* g = new HandlerQueue(f);
    QObject::connect(&f, &BatonnetsWindow::activated, &f,
                     [g, &f, &game] { g->run(&f, [&game] { game.onActivated(); }); });
    QObject::connect(&f, &BatonnetsWindow::batonnetClicked, &f, [g, &f, &game](int i) {
        g->run(&f, [&game, i] { game.onBatonnet(static_cast<std::int16_t>(i)); });
    });
    auto button = [g, &f, &game](GradientButton* b, void (BaseBatonnets::*h)()) {
        QObject::connect(b, &GradientButton::clicked, &f,
                         [g, b, &game, h] { g->run(b, [&game, h] { (game.*h)(); }); });
    };
    button(f.jouer(), &BaseBatonnets::onJouer);
    button(f.joue(), &BaseBatonnets::onJoue);
    button(f.ouvrir(), &BaseBatonnets::onOuvrir);
    button(f.fermer(), &BaseBatonnets::onFermer);
    button(f.quitter(), &BaseBatonnets::onQuitter);
    for (int i = 0; i < 2; ++i) {
        OptionButton* d = f.debut(i);
        QObject::connect(d, &OptionButton::optionClicked, &f, [g, d, &game](int k) {
            g->run(d, [&game, k] { game.onDebut(static_cast<std::int16_t>(k)); });
        });
        OptionButton* o = f.force(i);
        QObject::connect(o, &OptionButton::optionClicked, &f, [g, o, &game](int k) {
            g->run(o, [&game, k] { game.onForce(static_cast<std::int16_t>(k)); });
        });
    }
}

} // namespace batonnets
