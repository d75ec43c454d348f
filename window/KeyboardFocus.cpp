// SPDX-License-Identifier: GPL-3.0-or-later
// Where the keyboard focus goes once a handler has run, what a screen reader is told of
// the sticks, the lid and the moves, and the focus mark on the board.
#include <QPainter>
#include <utility>

#include "BatonnetsWindow.h"
#include "FocusVisible.h"
#include "GradientButton.h"
#include "PictureBox.h"
#include "StatusLabel.h"
#include "Translate.h"
#include "game/BatonModule.h"
#include "game/Texts.h"

namespace batonnets {

namespace {

// Keeps a control's accessible description, telling assistive technology only of changes.
void describe(QWidget* w, const char* utf8) {
    const QString d = translated(utf8);
    if (w->accessibleDescription() != d) w->setAccessibleDescription(d);
}

} // namespace

void BatonnetsWindow::setButtonEnabled(GradientButton* b, bool on) {
    // Disabled while it has the focus, a button would hand the focus on along the tab
    // chain, Jouer to Quitter and Validez to Fermer, where the player's next Space would
    // end the program or close the lid. No control holds it until the handler has
    // finished (one that did would be read out by a screen reader, the status line with
    // a message about to go); settleControls() then gives it to the sticks.
    if (!on && focusWidget() == b) {
        b->clearFocus();
        focusParked_ = true;
    }
    b->setEnabled(on);
}

void BatonnetsWindow::settleControls() {
    describe(couvercle_, lidLeft() > 0.0f ? texts::Ouvert : texts::Ferme);
    // The sticks the player could click, those in play that the lid leaves uncovered,
    // take the focus from the keyboard; the others drop out of the tab chain. A stick
    // that had the focus and has just left play hands it to its nearest neighbour still
    // in play, to the right first, and a focus parked by setButtonEnabled() goes to the
    // first one, or to Jouer when no stick is in reach.
    QWidget* focus = focusWidget();
    auto* focused = qobject_cast<PictureBox*>(focus);
    if (focused == couvercle_) focused = nullptr;
    const int from = focused ? focused->index() : 0;
    PictureBox* before = nullptr;
    PictureBox* after = nullptr;
    for (int i = 0; i <= 20; ++i) {
        PictureBox* b = batonnets_[static_cast<std::size_t>(i)];
        if (!b) continue;
        const float top = stickTop(i);
        describe(b, top == InPlayTop  ? texts::EnJeu
                    : top > InPlayTop ? texts::PrisParVous
                                      : texts::PrisParOrdinateur);
        const bool inPlay = top == InPlayTop && b->reachable();
        b->setFocusPolicy(inPlay ? Qt::TabFocus : Qt::NoFocus);
        if (!inPlay) continue;
        if (i < from) before = b;
        if (i >= from && !after) after = b;
    }
    const bool parked = std::exchange(focusParked_, false);
    if (std::exchange(gameEnded_, false) && jouer_->isEnabled()) {
        // A game is over and the next thing a player does is start another: Jouer takes
        // the focus, from a stick where Space would do nothing. The result is said first,
        // so that a screen reader tells how the game ended, then where the player stands.
        announcer_->flush();
        jouer_->setFocus(Qt::OtherFocusReason);
        return;
    }
    if ((focused && !(focused->focusPolicy() & Qt::TabFocus)) || parked) {
        if (PictureBox* to = after ? after : before)
            to->setFocus(Qt::OtherFocusReason);
        else if (parked && jouer_->isEnabled())
            jouer_->setFocus(Qt::OtherFocusReason);
    }
    // Said last: a screen reader speaks the new focus first, and the announcement of how
    // the game stands, which matters more, is not cut short by it.
    announcer_->flush();
}

void BatonnetsWindow::announceComputerMove(int taken, int left) {
    const QString s = translated(taken == 1 ? texts::OrdinateurPrendUn : texts::OrdinateurPrend);
    announcer_->say(taken == 1 ? s.arg(left) : s.arg(taken).arg(left));
}

void BatonnetsWindow::announceSticksLeft(int left) {
    announcer_->say(translated(texts::IlEnReste).arg(left));
}

void BatonnetsWindow::announceLid(bool open) {
    announcer_->say(translated(open ? texts::CouvercleOuvert : texts::CouvercleFerme));
}

// The focus mark shows once the keyboard is used, and goes with a click (FocusVisible.h).
void BatonnetsWindow::setFocusVisible(bool on) {
    if (property(FocusVisibleProperty).toBool() == on) return;
    setProperty(FocusVisibleProperty, on);
    if (auto* s = qobject_cast<PictureBox*>(focusWidget()); s && s->drawnByParent())
        update(s->focusFrame());
    else if (QWidget* f = focusWidget())
        f->update();
}

// The keyboard focus on a stick: a light frame around it, drawn over the backdrop and
// never into it, while the window has the focus. Every other control lies above it.
void BatonnetsWindow::drawStickFocus(QPainter& p) const {
    const auto* s = qobject_cast<const PictureBox*>(focusWidget());
    if (!s || !s->drawnByParent() || !showsFocus(s) || !s->isVisible()) return;
    p.setPen(QPen(look_.stickFocus, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(s->focusFrame()).adjusted(1, 1, -1, -1));
}

} // namespace batonnets
