#include "Wiring.h"

#include "BatonnetsWindow.h"
#include "VkCommand.h"
#include "VkOptionButton.h"
#include "game/BaseBatonnets.h"

namespace batonnets {

void relier(BatonnetsWindow& f, BaseBatonnets& jeu) {
    // Direct connections: each handler runs inside the event that raised it, to its end.
    QObject::connect(&f, &BatonnetsWindow::activated, &f, [&jeu] { jeu.activation(); });
    QObject::connect(&f, &BatonnetsWindow::batonnetClicked, &f,
                     [&jeu](int i) { jeu.clicBatonnet(static_cast<std::int16_t>(i)); });
    QObject::connect(f.jouer(), &VkCommand::clicked, &f, [&jeu] { jeu.clicJouer(); });
    QObject::connect(f.joue(), &VkCommand::clicked, &f, [&jeu] { jeu.clicJoue(); });
    QObject::connect(f.ouvrir(), &VkCommand::clicked, &f, [&jeu] { jeu.clicOuvrir(); });
    QObject::connect(f.fermer(), &VkCommand::clicked, &f, [&jeu] { jeu.clicFermer(); });
    QObject::connect(f.quitter(), &VkCommand::clicked, &f, [&jeu] { jeu.clicQuitter(); });
    for (int i = 0; i < 2; ++i) {
        QObject::connect(f.debut(i), &VkOptionButton::optionClicked, &f,
                         [&jeu](int k) { jeu.clicDebut(static_cast<std::int16_t>(k)); });
        QObject::connect(f.force(i), &VkOptionButton::optionClicked, &f,
                         [&jeu](int k) { jeu.clicForce(static_cast<std::int16_t>(k)); });
    }
}

} // namespace batonnets
