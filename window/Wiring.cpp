// SPDX-License-Identifier: GPL-3.0-or-later
#include "Wiring.h"

#include <QPointer>
#include <deque>
#include <functional>
#include <utility>

#include "BatonnetsWindow.h"
#include "GradientButton.h"
#include "OptionButton.h"
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
// Once the last handler has returned, the window settles its controls: the keyboard focus
// and the sticks' accessible states follow what the handlers did.
class HandlerQueue : public QObject {
  public:
    explicit HandlerQueue(BatonnetsWindow& window) : QObject(&window), window_(window) {}

    void run(QWidget* source, std::function<void()> handler) {
        if (busy_) {
            waiting_.emplace_back(source, std::move(handler));
            return;
        }
        busy_ = true;
        handler();
        while (!waiting_.empty()) { // in the order they came, each to its end
            auto [control, next] = std::move(waiting_.front());
            waiting_.pop_front();
            if (control && control->isEnabled()) next();
        }
        busy_ = false;
        window_.settleControls();
    }

  private:
    BatonnetsWindow& window_;
    bool busy_ = false;
    std::deque<std::pair<QPointer<QWidget>, std::function<void()>>> waiting_;
};

} // namespace

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
