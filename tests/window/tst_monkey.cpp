// The monkey: thousands of random clicks through the real window, on the sticks, the
// buttons, the options and the dead spots of the strip, some of them made while an
// animation runs and so queued by the window system until the running handler has
// returned. After every handler the game's variables, the sticks, the lid, the buttons and
// the label must tell one story (no game yet, a turn, a game over); between handlers, and
// once the program has ended, nothing may change. The run is the same every time (seed 11)
// unless MONKEY_SEED names another seed, or "random"; MONKEY_CLICKS sets how many clicks
// the monkey makes itself.
// Beside it, presses from assistive technology, which are no input and so can arrive in
// the middle of a handler, must wait for its end.
#include <QAccessible>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>

#include <functional>
#include <random>
#include <ranges>

#include "BatonnetsWindow.h"
#include "GradientButton.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "StatusLabel.h"
#include "Wiring.h"
#include "game/BaseBatonnets.h"
#include "game/Texts.h"

using namespace batonnets;
using namespace std::chrono_literals;

namespace {

constexpr float OpenLeft = 857.0f; // the lid's left edge when open, the window's right edge

// The real window, played by the monkey. Its seams: the computer's draws come from the
// run's seeded generator (the time of day could not be replayed); every animation pass
// calls back, so that clicks can be queued while a handler runs, and the passes under way
// are counted: a pass begun inside another is a handler run inside another's animation.
class Monkey : public BatonnetsWindow {
  public:
    explicit Monkey(unsigned long long s, bool watch = true) : seed(s), rng(s) {
        setPassPeriod(0us);
        wire(*this, game);
        show();
        if (!QTest::qWaitForWindowExposed(this)) qFatal("window not exposed");
        // Connected after the wiring and the start-up, so run once each handler has returned.
        for (QAbstractButton* b : findChildren<QAbstractButton*>())
            if (watch) connect(b, &QAbstractButton::clicked, this, [this, b] { after(b); });
        if (!consistent()) fail(describe() + " at start-up");
        last = describe();
    }

    void reseedFromTimeOfDay() override {}
    double nextRandom() override { return double(rng() >> 11) * 0x1.0p-53; }
    // The label tells how the games go: cleared as one starts (the turn still announced if
    // it was abandoned), a winner's message as it ends; and the computer says when it plays,
    // even a move that would take nothing.
    void setResultatText(std::string_view utf8) override {
        games += utf8.empty();
        abandoned +=
            utf8.empty() && resultat()->caption() == QString::fromUtf8(texts::AVousDeJouer);
        won[0] += utf8 == texts::VousGagnez;
        won[1] += utf8 == texts::JaiGagne;
        computerMoves += utf8 == texts::OrdinateurJoue;
        if (utf8 == texts::OrdinateurJoue) computerFrom = sticksAt(TakenByComputerTop);
        BatonnetsWindow::setResultatText(utf8);
    }
    void pace() override {
        nested = nested || passDepth++ > 0;
        BatonnetsWindow::pace();
        --passDepth;
        onEachPass();
    }

    // One click of the monkey's own, with up to `queueBudget` more queued during its handler.
    void click(QPoint p, int queueBudget) {
        ++clicks;
        budget = queueBudget;
        at = p;
        QTest::mouseClick(windowHandle(), Qt::LeftButton, {}, p);
        for (int k = 0; k < 100000 && QWindowSystemInterface::windowSystemEventsQueued(); ++k)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        // The state the last handler left, checked then: nothing else may have changed it.
        if (describe() != last) fail("the window changed outside any handler: " + describe());
    }

    int between(int min, int max) { return std::uniform_int_distribution<int>(min, max)(rng); }
    // Anywhere but on Quitter, which ends the run: 6 times in 20 on the board, once on the
    // strip, otherwise on a dead spot of the strip. Most clicks cost nothing (a taken stick,
    // a dead spot, a disabled button); the others run animations of hundreds of passes, kept
    // rare enough for thousands of clicks to fit a short run. Once 4k + 1 sticks are left,
    // the monkey confirms rather than take another, as a player who knows the game does.
    QPoint pick() {
        for (;;) {
            const int kind = between(0, 19), taken = game.module().NbPrisJoueur;
            QPoint p(between(0, 856), kind > 0 && kind <= 6 ? between(0, 339) : between(340, 428));
            if (taken > 0 && taken < 3 && game.module().NbBatonnets % 4 == 1 && p.y() < 340)
                p = joue()->geometry().center();
            QWidget* hit = childAt(p);
            if (hit != quitter() && (kind <= 6 || !qobject_cast<QAbstractButton*>(hit))) return p;
        }
    }

    // Sometimes, during an animation, a click the window system holds back; what lies
    // where it points once the handler has returned decides what it does.
    void queueClick() {
        if (!failure.isEmpty() || budget <= 0 || between(0, 999) >= 3) return;
        --budget;
        ++queued;
        const QPoint p = pick();
        using Qws = QWindowSystemInterface;
        for (const bool press : {true, false})
            Qws::handleMouseEvent<Qws::AsynchronousDelivery>(
                windowHandle(), QPointF(p), QPointF(mapToGlobal(p)),
                press ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton,
                press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease);
    }

    // After each handler has returned, b the control clicked: it ran inside no other, changed
    // nothing once the program had ended, let the computer take 1 to 3 sticks if it played,
    // moved the lid if it was one of the lid's buttons, and left one story.
    void after(QAbstractButton* b) {
        const QString now = describe(), name = b->text() + b->accessibleName();
        if (passDepth > 0 || nested) fail(name + " ran inside another handler's animation");
        if (quit && now != last) fail(name + " changed the window after the end: " + now);
        const int took = sticksAt(TakenByComputerTop) - computerFrom;
        if (std::exchange(computerFrom, -1) >= 0 && (took < 1 || took > 3))
            fail(QString("the computer took %1 sticks").arg(took));
        if (!quit && (b == ouvrir() || b == fermer()) &&
            lidLeft() != (b == ouvrir() ? OpenLeft : 0.0f))
            fail(name + " did not move the lid");
        last = now;
        gameStarted = gameStarted || b == jouer();
        optionSince = (optionSince || qobject_cast<OptionButton*>(b)) && b != jouer();
        if (b == quitter() && !(ended() && sticksAt(InPlayTop) == 21 && lidLeft() == 0.0f))
            fail("Quitter did not align the sticks, close the lid and end the program");
        quit = quit || b == quitter();
        if (!quit && !consistent()) fail(describe() + " after " + name);
    }

    // Everything the player sees and the game keeps from one handler to the next.
    QString describe() const {
        QString s =
            QString::asprintf("NbBatonnets %d, NbPrisJoueur %d, Jouer %d, Validez %d, lid %g",
                              game.module().NbBatonnets, game.module().NbPrisJoueur,
                              jouer()->isEnabled(), joue()->isEnabled(), double(lidLeft()));
        s += ", label " + label() + ", sticks";
        for (int i = 0; i <= 20; ++i)
            s += QString(" %1,%2").arg(stickLeft(i)).arg(stickTop(i));
        return s;
    }
    QString label() const { return resultat()->caption() + " " + resultat()->foreColor().name(); }
    int sticksAt(float top) const {
        return int(std::ranges::count_if(std::views::iota(0, 21),
                                         [&](int i) { return stickTop(i) == top; }));
    }

    // The one story: no game yet, a turn (the player's, which can go on), or a game over.
    bool consistent() const {
        const int taken = game.module().NbPrisJoueur, left = game.module().NbBatonnets;
        const bool jouerOn = jouer()->isEnabled(), joueOn = joue()->isEnabled();
        const auto says = [this](const char* text, const char* colour) {
            return label() == QString::fromUtf8(text) + " " + colour;
        };
        int inRow = 0;
        bool ok = lidLeft() == 0.0f || lidLeft() == OpenLeft;
        for (int i = 0; i <= 20; ++i) {
            const float top = stickTop(i);
            ok = ok && (top == InPlayTop || top == TakenByPlayerTop || top == TakenByComputerTop);
            inRow += top == InPlayTop && stickLeft(i) < OpenLeft;
        }
        if (!gameStarted) return ok && taken == 3 && jouerOn && !joueOn && says("", "#008000");
        if (says(texts::AVousDeJouer, "#008000"))
            return ok && left == inRow && left >= 2 && taken >= 0 && taken <= 2 &&
                   joueOn == (taken >= 1) && jouerOn == optionSince;
        return ok && left == inRow && left == 1 && taken == 3 && jouerOn && !joueOn &&
               (says(texts::VousGagnez, "#008000") || says(texts::JaiGagne, "#c00000"));
    }

    void fail(const QString& what) {
        if (failure.isEmpty())
            failure = QString::asprintf("MONKEY_SEED=%llu reproduces it: click %d at %d,%d: ", seed,
                                        clicks, at.x(), at.y()) +
                      what;
    }

    const unsigned long long seed;
    BaseBatonnets game{*this};
    std::mt19937_64 rng;
    std::function<void()> onEachPass = [this] { queueClick(); };
    QString last, failure; // the state the last handler left; the first fault seen
    QPoint at;
    bool nested = false, quit = false, gameStarted = false, optionSince = false;
    int computerMoves = 0, passDepth = 0, computerFrom = -1, budget = 0, clicks = 0, queued = 0,
        games = 0, won[2] = {0, 0}, abandoned = 0;
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
        const int inPlayAtEnd = m.resultat()->caption() == QString::fromUtf8(texts::AVousDeJouer);
        // Quitter, clicks queued during its closing scene, then one on every other control: once
        // the program has ended, nothing may change any more.
        m.click(m.quitter()->geometry().center(), 6);
        for (QAbstractButton* b : m.findChildren<QAbstractButton*>())
            if (b != m.quitter() && m.failure.isEmpty())
                m.click(b->mapTo(&m, b->rect().center()), 6);
        qInfo("monkey: %d clicks, %d of them queued during animations; games started %d, won by "
              "the player %d, by the computer %d, abandoned %d, left in play %d",
              m.clicks + m.queued, m.queued, m.games, m.won[0], m.won[1], m.abandoned, inPlayAtEnd);
        QVERIFY2(m.failure.isEmpty(), qPrintable(m.failure));
        // Every game started ended: won, abandoned for a new one, or in play at Quitter.
        QCOMPARE(m.games, m.won[0] + m.won[1] + m.abandoned + inPlayAtEnd);
    }

    // Presses made through assistive technology while a handler animates are carried out
    // once it has returned, in order, each against the state it left: a button disabled
    // meanwhile does nothing. Run inside the handler, they would corrupt the animation under
    // way and let the computer play twice.
    void assistiveRequestsWaitForTheRunningHandler() {
        // Not watched: a press signals its button at once, while its handler waits, which the
        // monkey would take for a handler run inside the running one.
        Monkey m(7, false);
        m.gameStarted = true;
        // A click on stick i, at the tenth pass of whose slide `presses` are made as a screen
        // reader makes them: not input held back, but requests, each of which animates a click
        // 100 ms later, well within the slide at the real pace, kept up to the 200th pass.
        QList<QAbstractButton*> presses;
        int passes = 0, duringHandler = 0;
        m.onEachPass = [&] {
            if (++passes == 200) m.setPassPeriod(0us); // all made by then: no need to wait more
            for (QAbstractButton* b : passes == 10 ? presses : QList<QAbstractButton*>())
                QAccessible::queryAccessibleInterface(b)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
        };
        for (QAbstractButton* b : {m.joue(), m.fermer(), m.jouer()})
            QObject::connect(b, &QAbstractButton::clicked, &m,
                             [&] { duringHandler += m.passDepth > 0; });
        auto clickDuring = [&](int i, QList<QAbstractButton*> p) {
            presses = p;
            passes = duringHandler = 0;
            m.setPassPeriod(1165us);
            QTest::mouseClick(m.batonnet(i), Qt::LeftButton);
            QVERIFY2(!m.nested, "a press ran its handler inside the running one");
            QCOMPARE(duringHandler, int(presses.size())); // all came during the handler
            QVERIFY2(m.consistent(), qPrintable(m.describe()));
        };

        // Validez, pressed while the third stick slides down: by the time the handler returns,
        // the computer has answered and disabled Validez, which then does nothing. Then Fermer
        // and Jouer (an option armed it), pressed while the next stick slides down: the slide
        // ends, then the lid closes, then a new game opens it.
        for (QWidget* w : std::initializer_list<QWidget*>{m.jouer(), m.batonnet(0), m.batonnet(1)})
            QTest::mouseClick(w, Qt::LeftButton);
        clickDuring(2, {m.joue()});
        QTest::mouseClick(m.force(0), Qt::LeftButton);
        clickDuring(20 - m.game.module().NbBatonnets, {m.fermer(), m.jouer()});
        QCOMPARE(m.computerMoves, 1);
        QCOMPARE(m.sticksAt(InPlayTop), 21);
        QCOMPARE(m.lidLeft(), OpenLeft); // Jouer ran last
    }
};

QTEST_MAIN(TstMonkey)
#include "tst_monkey.moc"
