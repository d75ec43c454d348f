#include "Wiring.h"

#include <QPointer>
#include <deque>
#include <functional>
#include <utility>

#include "BatonnetsWindow.h"
#include "VkCommand.h"
#include "VkOptionButton.h"
#include "game/BaseBatonnets.h"

namespace batonnets {

namespace {

// One handler at a time: they share the module's loop variables, and one started inside
// another's animation would corrupt both. Clicks, keys and close requests never do that,
// as they wait in the window system's queue until the handler returns (see pace()). A
// request from assistive technology ("press" on a button) is no input event, though: it
// is delivered during an animation like any other event. It waits here until the running
// handler has returned, then counts as a click made at that moment: dropped if its
// control has been disabled meanwhile, as such a click would be.
class Guichet : public QObject {
public:
    using QObject::QObject;

    void traite(QWidget* source, std::function<void()> gestionnaire) {
        if (occupe_) {
            enAttente_.emplace_back(source, std::move(gestionnaire));
            return;
        }
        occupe_ = true;
        gestionnaire();
        while (!enAttente_.empty()) { // in the order they came, each to its end
            auto [controle, suivant] = std::move(enAttente_.front());
            enAttente_.pop_front();
            if (controle && controle->isEnabled()) suivant();
        }
        occupe_ = false;
    }

private:
    bool occupe_ = false;
    std::deque<std::pair<QPointer<QWidget>, std::function<void()>>> enAttente_;
};

} // namespace

void relier(BatonnetsWindow& f, BaseBatonnets& jeu) {
    // Direct connections: each handler runs inside the event that raised it, to its end.
    auto* g = new Guichet(&f);
    QObject::connect(&f, &BatonnetsWindow::activated, &f,
                     [g, &f, &jeu] { g->traite(&f, [&jeu] { jeu.activation(); }); });
    QObject::connect(&f, &BatonnetsWindow::batonnetClicked, &f, [g, &f, &jeu](int i) {
        g->traite(&f, [&jeu, i] { jeu.clicBatonnet(static_cast<std::int16_t>(i)); });
    });
    auto bouton = [g, &f, &jeu](VkCommand* b, void (BaseBatonnets::*h)()) {
        QObject::connect(b, &VkCommand::clicked, &f,
                         [g, b, &jeu, h] { g->traite(b, [&jeu, h] { (jeu.*h)(); }); });
    };
    bouton(f.jouer(), &BaseBatonnets::clicJouer);
    bouton(f.joue(), &BaseBatonnets::clicJoue);
    bouton(f.ouvrir(), &BaseBatonnets::clicOuvrir);
    bouton(f.fermer(), &BaseBatonnets::clicFermer);
    bouton(f.quitter(), &BaseBatonnets::clicQuitter);
    for (int i = 0; i < 2; ++i) {
        VkOptionButton* d = f.debut(i);
        QObject::connect(d, &VkOptionButton::optionClicked, &f, [g, d, &jeu](int k) {
            g->traite(d, [&jeu, k] { jeu.clicDebut(static_cast<std::int16_t>(k)); });
        });
        VkOptionButton* o = f.force(i);
        QObject::connect(o, &VkOptionButton::optionClicked, &f, [g, o, &jeu](int k) {
            g->traite(o, [&jeu, k] { jeu.clicForce(static_cast<std::int16_t>(k)); });
        });
    }
}

} // namespace batonnets
