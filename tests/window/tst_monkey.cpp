// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey: thousands of random clicks through the real window, on the sticks, the
// buttons, the options and the dead spots of the strip, some of them made while an
// animation runs and so queued by the window system until the running handler has
// returned. After every handler the game's variables, the sticks, the lid, the buttons, the
// label and what a screen reader is told must tell one story (no game yet, a turn, a game
// over); between handlers, and once the program has ended, nothing may change (not even the
// options or the focus). The run is the same every time (seed 11) unless MONKEY_SEED names
// another seed, or "random"; MONKEY_CLICKS sets how many clicks the monkey makes itself.
#include <QTest>
#include <qpa/qwindowsysteminterface.h>

#include <random>

#include "BatonnetsWindow.h"
#include "GradientButton.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "StatusLabel.h"
#include "Wiring.h"
#include "game/BaseBatonnets.h"
#include "game/Texts.h"

using namespace batonnets;

namespace {

constexpr float OpenLeft = 857.0f; // the lid's left edge when open, the window's right edge

// The real window, played by the monkey. Its seams: the computer's draws come from the
// run's seeded generator (the time of day could not be replayed); every animation pass
// may queue clicks while a handler runs, and notes that a pass is under way.
class Monkey : public BatonnetsWindow {
  public:
    explicit Monkey(unsigned long long seed) : rng(seed) {
        setPassPeriod({}); // the passes back to back
        wire(*this, game);
        show();
        if (!QTest::qWaitForWindowExposed(this)) qFatal("window not exposed");
        // Connected after the wiring and the start-up, so run once each handler has returned.
        for (QAbstractButton* b : findChildren<QAbstractButton*>())
            connect(b, &QAbstractButton::clicked, this, [this, b] { after(b); });
        last = describe();
    }

    void reseedFromTimeOfDay() override {}
    double nextRandom() override { return double(rng() >> 11) * 0x1.0p-53; }
    void pace() override {
        ++passDepth;
        BatonnetsWindow::pace();
        --passDepth;
        queueClick();
    }

    // One click of the monkey's own, with up to `queueBudget` more queued during its handler.
    void click(QPoint p, int queueBudget) {
        ++clicks;
        budget = queueBudget;
        QTest::mouseClick(windowHandle(), Qt::LeftButton, {}, p);
        for (int k = 0; k < 100000 && QWindowSystemInterface::windowSystemEventsQueued(); ++k)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        // The state the last handler left, checked then: nothing else may have changed it.
        if (describe() != last)
            fail("the window changed outside any handler or after the end: " + describe());
    }

    int between(int min, int max) { return std::uniform_int_distribution<int>(min, max)(rng); }
    // Anywhere but on Quitter, which ends the run: 6 times in 20 on the board, once on the
    // strip, otherwise on a dead spot of the strip. Most clicks cost nothing (a taken stick,
    // a dead spot, a disabled button); the others run animations of hundreds of passes, kept
    // rare enough for thousands of clicks to fit a short run.
    QPoint pick() {
        for (;;) {
            const int kind = between(0, 19);
            QPoint p(between(0, 856), kind > 0 && kind <= 6 ? between(0, 339) : between(340, 428));
            QWidget* hit = childAt(p);
            if (hit != quitter() && (kind <= 6 || !qobject_cast<QAbstractButton*>(hit))) return p;
        }
    }

    // Sometimes, during an animation, a click the window system holds back; what lies
    // where it points once the handler has returned decides what it does.
    void queueClick() {
        if (!failure.isEmpty() || budget <= 0 || between(0, 999) >= 3) return;
        --budget;
        const QPoint p = pick();
        using Qws = QWindowSystemInterface;
        for (const bool press : {true, false})
            Qws::handleMouseEvent<Qws::AsynchronousDelivery>(
                windowHandle(), QPointF(p), QPointF(mapToGlobal(p)),
                press ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton,
                press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease);
    }

    // After each handler has returned, b the control clicked: it ran inside no other's
    // animation and left one story. Once the program has ended, the state stays the last
    // one before: nothing may change it (see click()).
    void after(QAbstractButton* b) {
        const QString name = b->text() + b->accessibleName();
        if (passDepth > 0) fail(name + " ran inside another handler's animation");
        if (quit) return;
        last = describe();
        quit = b == quitter();
        if (!quit && !consistent()) fail(describe() + " after " + name);
    }

    // Everything the player sees, a screen reader is told, and the game keeps from one handler
    // to the next: the options selected, the keyboard focus, the lid's and the sticks' states.
    QString describe() const {
        QString s = QString::asprintf("NbBatonnets %d, NbPrisJoueur %d, Jouer %d, Validez %d, "
                                      "Force %d%d, Debut %d%d, lid %g ",
                                      game.module().NbBatonnets, game.module().NbPrisJoueur,
                                      jouer()->isEnabled(), joue()->isEnabled(), force(0)->value(),
                                      force(1)->value(), debut(0)->value(), debut(1)->value(),
                                      double(lidLeft()));
        s += couvercle()->accessibleDescription() + ", focus " +
             (focusWidget() ? focusWidget()->objectName() : "") + ", label " +
             resultat()->caption() + " " + resultat()->foreColor().name() + ", sticks";
        for (int i = 0; i <= 20; ++i)
            s += QString(" %1,%2 %3").arg(stickLeft(i)).arg(stickTop(i)).arg(said(i));
        return s;
    }
    QString said(int i) const { return batonnet(i)->accessibleDescription(); }

    // The one story: no game yet (the label still empty), a turn (the player's, which can go
    // on), or a game over. Which message and colour, and when Jouer comes back, the game's
    // own tests tell; where the focus goes and how the options behave, tst_input's. Whatever
    // the story, the lid stands open or closed, and it and every stick are said to be where
    // they are.
    bool consistent() const {
        const int taken = game.module().NbPrisJoueur, left = game.module().NbBatonnets;
        const bool jouerOn = jouer()->isEnabled(), joueOn = joue()->isEnabled();
        int inRow = 0; // in play and in the window (on the 20-stick board stick 20 lies outside)
        bool told = couvercle()->accessibleDescription() ==
                    QString::fromUtf8(lidLeft() == 0.0f ? texts::Ferme : texts::Ouvert);
        for (int i = 0; i <= 20; ++i) {
            inRow += stickTop(i) == InPlayTop && stickLeft(i) < OpenLeft;
            told &= said(i) == QString::fromUtf8(stickTop(i) == InPlayTop ? texts::EnJeu
                                                 : stickTop(i) == TakenByPlayerTop
                                                     ? texts::PrisParVous
                                                     : texts::PrisParOrdinateur);
        }
        if (!told || (lidLeft() != 0.0f && lidLeft() != OpenLeft)) return false;
        const QString text = resultat()->caption();
        if (text.isEmpty()) return taken == 3 && jouerOn && !joueOn;
        if (text == QString::fromUtf8(texts::AVousDeJouer))
            return left == inRow && left >= 2 && taken <= 2 && joueOn == (taken >= 1);
        return left == inRow && left == 1 && taken == 3 && jouerOn && !joueOn;
    }

    // The run's seed is printed as it starts: with it, the click number reproduces the fault.
    void fail(const QString& what) {
        if (failure.isEmpty()) failure = QString("click %1: %2").arg(clicks).arg(what);
    }

    BaseBatonnets game{*this};
    std::mt19937_64 rng;
    QString last, failure; // the state the last handler left; the first fault seen
    bool quit = false;
    int passDepth = 0, budget = 0, clicks = 0;
};

} // namespace

class TstMonkey : public QObject {
    Q_OBJECT
  private slots:
    void randomClicks() {
        const QString s = qEnvironmentVariable("MONKEY_SEED", "11");
        const unsigned long long seed = s == "random" ? std::random_device{}() : s.toULongLong();
        const int clicks = qEnvironmentVariable("MONKEY_CLICKS", "4000").toInt();
        qInfo("monkey: %d clicks, MONKEY_SEED=%llu replays this run", clicks, seed);
        Monkey m(seed);
        for (int k = 0; k < clicks && m.failure.isEmpty(); ++k)
            m.click(m.pick(), m.between(0, 4));
        // Quitter, clicks queued during its closing scene, then one on every other control: once
        // the program has ended, nothing may change any more.
        m.click(m.quitter()->geometry().center(), 6);
        for (QAbstractButton* b : m.findChildren<QAbstractButton*>())
            m.click(b->mapTo(&m, b->rect().center()), 6);
        QVERIFY2(m.failure.isEmpty(), qPrintable(m.failure));
    }
};

QTEST_MAIN(TstMonkey)
#include "tst_monkey.moc"
