// The monkey: thousands of random clicks through the real window, on every control, on
// the board and on the strip, some of them made while an animation runs and so queued by
// the window system until the running handler has returned. After every handler, and
// whenever the event loop is back at the top, the game's variables, the sticks, the lid,
// the buttons and the label must tell one story; between handlers nothing may change.
// The run is the same every time (seed 11) unless MONKEY_SEED names another seed, or
// "random"; MONKEY_CLICKS sets how many clicks the monkey makes itself.
// Beside it, presses from assistive technology, which are no input and so can arrive in
// the middle of a handler, must wait for its end.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <string>
#include <vector>

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
const QColor GreenText(0, 128, 0), RedText(192, 0, 0);

// The real window with three seams: the computer's draws come from the run's seeded
// generator (the time of day could not be replayed); every animation pass calls back, so
// that clicks can be made while a handler runs; and the passes under way are counted: a
// pass begun inside another, or a handler returning while one is under way, is a handler
// run inside another's animation.
class MonkeyWindow : public BatonnetsWindow {
  public:
    std::mt19937_64 rng{7};
    int draws = 0, passDepth = 0;
    double lastDraw = 0.0;
    bool nested = false;
    std::function<void()> onEachPass;

    void reseedFromTimeOfDay() override {}
    double nextRandom() override {
        ++draws;
        return lastDraw = double(rng() >> 11) * 0x1.0p-53;
    }
    void pace() override {
        if (passDepth++ > 0) nested = true;
        BatonnetsWindow::pace();
        --passDepth;
        if (onEachPass) onEachPass();
    }
};

// Everything the player sees and the game keeps from one handler to the next.
struct Snapshot {
    std::array<float, 21> tops{}, lefts{};
    float lid = 0.0f;
    int sticks = 0, taken = 0, draws = 0;
    bool jouer = false, joue = false;
    QString text;
    QColor colour;
    bool operator==(const Snapshot&) const = default;
    long countAt(float top) const { return std::count(tops.begin(), tops.end(), top); }
};

Snapshot snapshot(const MonkeyWindow& f, const BaseBatonnets& game) {
    Snapshot e{{},
               {},
               f.lidLeft(),
               game.module().NbBatonnets,
               game.module().NbPrisJoueur,
               f.draws,
               f.jouer()->isEnabled(),
               f.joue()->isEnabled(),
               f.resultat()->caption(),
               f.resultat()->foreColor()};
    for (int i = 0; i <= 20; ++i) {
        e.tops[i] = f.stickTop(i);
        e.lefts[i] = f.stickLeft(i);
    }
    return e;
}

// What is wrong with a state at rest, or "". `optionSinceStart`: an option was clicked since
// the game began, which arms Jouer in the middle of it.
std::string inconsistency(const Snapshot& n, bool gameStarted, bool optionSinceStart) {
    int inRow = 0;
    bool ok = n.taken >= 0 && n.taken <= 3 && (n.lid == 0.0f || n.lid == OpenLeft);
    for (std::size_t k = 0; k < 21; ++k) {
        ok = ok && (n.tops[k] == InPlayTop || n.tops[k] == TakenByPlayerTop ||
                    n.tops[k] == TakenByComputerTop);
        inRow += n.tops[k] == InPlayTop && n.lefts[k] < OpenLeft;
    }
    const auto says = [&n](const char* t, QColor c) {
        return n.text == QString::fromUtf8(t) && n.colour == c;
    };
    if (!gameStarted) // no game yet
        ok = ok && n.taken == 3 && n.jouer && !n.joue && n.text.isEmpty();
    else if (says(texts::AVousDeJouer, GreenText)) // a turn, which can go on
        ok = ok && n.sticks == inRow && n.sticks >= 2 && n.taken <= 2 && n.joue == (n.taken >= 1) &&
             n.jouer == optionSinceStart;
    else // a game over
        ok = ok && n.sticks == inRow && n.sticks == 1 && n.taken == 3 && n.jouer && !n.joue &&
             (says(texts::VousGagnez, GreenText) || says(texts::JaiGagne, RedText));
    if (ok) return {};
    QString s = QString::asprintf("NbBatonnets %d (%d in the row), NbPrisJoueur %d, Jouer %d, "
                                  "Validez %d, label \"%s\" %s, lid %g, tops",
                                  n.sticks, inRow, n.taken, n.jouer, n.joue, qPrintable(n.text),
                                  qPrintable(n.colour.name()), double(n.lid));
    for (float h : n.tops)
        s += QString(" %1").arg(h);
    return s.toStdString();
}

enum Ev { Jouer, Joue, Ouvrir, Fermer, Quitter, Batonnet, Option };
const char* const EventName[] = {"Jouer",   "Validez", "Ouvrir", "Fermer",
                                 "Quitter", "stick",   "option"};

struct Click {
    QPoint p;
    std::string what;
};

struct Monkey {
    explicit Monkey(unsigned long long g, bool watch = true) : seed(g) {
        f.rng.seed(g);
        f.setPassPeriod(0us);
        wire(f, game);
        if (watch) observe(); // after the wiring, so run once each handler has returned
        f.onEachPass = [this] { duringPass(); };
        wise = between(0, 1);
        f.show();
        if (!QTest::qWaitForWindowExposed(&f)) qFatal("window not exposed");
        drain();
        last = snapshot(f, game);
        check("at start-up");
    }

    // One click of the monkey's own, with a few more queued during its handler.
    void click(bool quitter = false) {
        ++clicks;
        budget = quitter ? 6 : between(0, 4);
        step = quitter ? Click{somewhere(f.quitter()), "Quitter"} : pick();
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, step.p);
        drain();
        // The state the last handler left, checked then: nothing else may have changed it.
        if (snapshot(f, game) != last) fail("the window changed outside any handler");
    }

    // ---- where the monkey clicks ----------------------------------------------------

    int between(int min, int max) { return std::uniform_int_distribution<int>(min, max)(f.rng); }
    bool playersTurn() const { return game.module().NbPrisJoueur < 3; }
    QPoint somewhere(QWidget* w) {
        return w->mapTo(&f, QPoint(between(0, w->width() - 1), between(0, w->height() - 1)));
    }
    // A stick in play (1), taken (0) or either (-1), if the one drawn is, on its visible
    // part: in the row, down above the strip that covers the rest, up on the bit left.
    Click stickClick(int wanted) {
        const int i = between(0, 20), x = qRound(f.stickLeft(i));
        const float top = f.stickTop(i);
        if (x >= 857 || (wanted >= 0 && (top == InPlayTop) != (wanted == 1))) return {{-1, -1}, ""};
        const int y = top == InPlayTop          ? between(36, 287)
                      : top == TakenByPlayerTop ? between(290, 339)
                                                : between(0, 31);
        return {{between(x, std::min(x + 23, 856)), y}, "stick " + std::to_string(i)};
    }
    Click anyPoint(bool deadSpot) { // anywhere; `deadSpot`: on the strip, on no button
        const QPoint p(between(0, 856), between(deadSpot ? 340 : 0, 428));
        if (deadSpot && qobject_cast<QAbstractButton*>(f.childAt(p))) return {{-1, -1}, ""};
        return {p, deadSpot ? "a dead spot of the strip" : "the window"};
    }
    Click button(QAbstractButton* b) { return {somewhere(b), b->text().toStdString()}; }
    OptionButton* option() {
        return between(0, 1) ? f.force(between(0, 1)) : f.debut(between(0, 1));
    }

    // What a player who knows the game clicks: sticks until 4k + 1 are left, then Validez;
    // between games, a 20-stick game the player opens, the only one a player can win
    // against a computer that never errs once it can. In half of the games and of the
    // pauses between them (wise), the monkey plays so throughout; in the others, only now
    // and then, and between games it changes the options at random.
    Click sensibleMove() {
        const int taken = game.module().NbPrisJoueur;
        if (playersTurn() && taken > 0 && taken == (game.module().NbBatonnets + taken - 1) % 4)
            return button(f.joue());
        if (playersTurn()) return stickClick(1);
        if (!wise) return button(option());
        QAbstractButton* b = f.jouer();
        if (f.force(0)->value() != 1) b = f.force(0);
        if (f.debut(0)->value() != 1) b = f.debut(0);
        return button(b);
    }
    Click planned(const Click& c) { return wise && playersTurn() ? sensibleMove() : c; }

    // Per mille. Most clicks cost nothing (a taken stick, a dead spot, a disabled button);
    // the others run animations of hundreds of passes, kept rare enough for ten thousand
    // clicks to fit a short run.
    const std::vector<std::pair<int, std::function<Click()>>> targets{
        {30, [this] { return sensibleMove(); }},
        {122, [this] { return stickClick(0); }},
        {4, [this] { return planned(stickClick(-1)); }},
        {4, [this] { return planned(button(f.joue())); }},
        {2, [this] { return planned(button(f.jouer())); }},
        {1, [this] { return planned(button(option())); }},
        {2, [this] { return button(f.ouvrir()); }},
        {1, [this] { return button(f.fermer()); }},
        {12, [this] { return planned(anyPoint(false)); }},
        {822, [this] { return anyPoint(true); }},
    };
    Click pick() { // never Quitter: it ends the run, and is clicked once, at the end
        for (;;) {
            int t = between(0, 999);
            auto c = targets.begin();
            while (t >= c->first)
                t -= (c++)->first;
            const Click k = c->second();
            if (k.p.x() >= 0 && f.childAt(k.p) != f.quitter()) return k;
        }
    }

    // Sometimes, during an animation, a click the window system holds back; what lies
    // where it points once the handler has returned decides what it does.
    void duringPass() {
        if (!failure_.empty() || budget <= 0 || between(0, 999) >= queuePerMille) return;
        --budget;
        ++queued;
        const Click c = pick();
        using Qws = QWindowSystemInterface;
        for (const bool press : {true, false})
            Qws::handleMouseEvent<Qws::AsynchronousDelivery>(
                f.windowHandle(), QPointF(c.p), QPointF(f.mapToGlobal(c.p)),
                press ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton,
                press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease);
    }
    void drain() { // until the window system has nothing queued any more
        for (int guard = 0; QWindowSystemInterface::windowSystemEventsQueued() > 0; ++guard) {
            if (guard > 100000) return fail("the queued input is never handled");
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
    }

    // ---- watching the handlers ------------------------------------------------------

    void observe() {
        int k = Jouer;
        for (GradientButton* b : {f.jouer(), f.joue(), f.ouvrir(), f.fermer(), f.quitter()})
            QObject::connect(b, &GradientButton::clicked, &f, [this, e = Ev(k++)] { after(e, 0); });
        QObject::connect(&f, &BatonnetsWindow::batonnetClicked, &f,
                         [this](int i) { after(Batonnet, i); });
        for (OptionButton* o : {f.debut(0), f.debut(1), f.force(0), f.force(1)})
            QObject::connect(o, &OptionButton::optionClicked, &f, [this] { after(Option, 0); });
    }

    // The handler just run, from the state `a` the last one left: those that move no
    // stick may change only what is theirs, a click on a stick in play takes that one.
    void after(Ev e, int i) {
        const Snapshot a = last, n = last = snapshot(f, game);
        if (f.passDepth > 0 || f.nested)
            fail(std::string("the ") + EventName[e] + " handler ran inside another's animation");
        if ((e == Jouer && !a.jouer) || (e == Joue && !a.joue))
            fail(std::string(EventName[e]) + " was clicked while disabled");
        const bool stickInPlay =
            e == Batonnet && !ended_ && a.taken < 3 && a.tops.at(i) == InPlayTop;
        const bool playersTurnBefore =
            !ended_ && a.taken < 3 && a.sticks > 1; // it was the player's turn
        Snapshot expected = a;
        expected.jouer = a.jouer || (e == Option && !ended_);
        if (!ended_ && (e == Ouvrir || e == Fermer)) expected.lid = e == Ouvrir ? OpenLeft : 0.0f;
        if ((ended_ || e == Option || e == Ouvrir || e == Fermer ||
             (e == Batonnet && !stickInPlay)) &&
            n != expected)
            fail(std::string("the ") + EventName[e] + " handler did not do just its part");
        if (stickInPlay && n.tops.at(i) != TakenByPlayerTop) fail("the stick clicked stayed");
        if (!ended_ && e == Quitter && !(f.ended() && n.countAt(InPlayTop) == 21 && n.lid == 0.0f))
            fail("Quitter did not align the sticks, close the lid and end the program");
        if (n.sticks == 1 && a.sticks != 1) { // this handler ended the game
            const bool playerWon =
                e == Batonnet && n.countAt(TakenByComputerTop) == a.countAt(TakenByComputerTop);
            ++wins[playerWon ? 0 : 1];
            wise = between(0, 1);
            if (n.text != QString::fromUtf8(playerWon ? texts::VousGagnez : texts::JaiGagne))
                fail("the wrong side was declared the winner");
        }
        abandoned += e == Jouer && playersTurnBefore;
        started += e == Jouer && !ended_;
        inPlayAtEnd = e == Quitter && !ended_ ? playersTurnBefore : inPlayAtEnd;
        gameStarted = gameStarted || e == Jouer;
        optionSinceStart = (optionSinceStart || e == Option) && e != Jouer;
        ended_ = ended_ || e == Quitter;
        check(("after the " + std::string(EventName[e]) + " handler").c_str());
    }

    void check(const char* when) {
        const std::string fault =
            ended_ ? "" : inconsistency(snapshot(f, game), gameStarted, optionSinceStart);
        if (!fault.empty()) fail(fault + " (" + when + ")");
    }
    void fail(const std::string& what) {
        if (!failure_.empty()) return;
        failure_ = "MONKEY_SEED=" + std::to_string(seed) + " reproduces it: click " +
                   std::to_string(clicks) + " on " + step.what + " at " +
                   std::to_string(step.p.x()) + "," + std::to_string(step.p.y()) + ": " + what;
    }

    unsigned long long seed;
    MonkeyWindow f;
    BaseBatonnets game{f};
    Snapshot last; // as the last handler left it
    Click step;
    std::string failure_;
    int budget = 0, queuePerMille = 3, clicks = 0, queued = 0;
    bool wise = false, ended_ = false, gameStarted = false, optionSinceStart = false;
    int started = 0, wins[2] = {0, 0}, abandoned = 0, inPlayAtEnd = 0;
};

} // namespace

class TstMonkey : public QObject {
    Q_OBJECT
  private slots:
    void randomClicks();
    void assistiveRequestsWaitForTheRunningHandler();
};

void TstMonkey::randomClicks() {
    const QByteArray s = qgetenv("MONKEY_SEED");
    const unsigned long long seed = s.isEmpty()     ? 11
                                    : s == "random" ? std::random_device{}()
                                                    : s.toULongLong();
    const int clicks = qEnvironmentVariableIsEmpty("MONKEY_CLICKS")
                           ? 4000
                           : qEnvironmentVariableIntValue("MONKEY_CLICKS");
    qInfo("monkey: %d clicks, MONKEY_SEED=%llu replays this run", clicks, seed);
    Monkey m(seed);
    for (int k = 0; k < clicks && m.failure_.empty(); ++k)
        m.click();
    // Quitter, clicks queued during its closing scene, then a few more: once the program
    // has ended, nothing may change any more.
    m.queuePerMille = 10;
    for (int k = 0; k <= 20 && m.failure_.empty(); ++k)
        m.click(k == 0);
    qInfo("monkey: %d clicks (%d made, %d queued during animations); games started %d, won by "
          "the player %d, won by the computer %d, abandoned %d, left in play %d",
          m.clicks + m.queued, m.clicks, m.queued, m.started, m.wins[0], m.wins[1], m.abandoned,
          m.inPlayAtEnd);
    QVERIFY2(m.failure_.empty(), m.failure_.c_str());
    // Every game started ended: won, abandoned for a new one, or in play at Quitter.
    QCOMPARE(m.started, m.wins[0] + m.wins[1] + m.abandoned + m.inPlayAtEnd);
}

// Presses made through assistive technology while a handler animates are carried out
// once it has returned, in order, each against the state it left: a button disabled
// meanwhile does nothing. Run inside the handler, they would corrupt the animation under
// way and let the computer play twice.
void TstMonkey::assistiveRequestsWaitForTheRunningHandler() {
    // The window without the monkey's watchers: a press signals its button at once, while
    // its handler waits, so they would take it for one run inside the running handler.
    Monkey m(7, false);
    MonkeyWindow& f = m.f;
    const BaseBatonnets& game = m.game;

    // A click on stick i, during whose slide, at the tenth pass, `presses` are made as a
    // screen reader makes them: requests the event loop delivers like any other event,
    // not input held back. Each animates a click 100 ms later, well within the slide at
    // the real pace, kept up to the 200th pass.
    std::vector<QWidget*> presses;
    int passes = 0, duringHandler = 0;
    f.onEachPass = [&] {
        if (++passes == 200) f.setPassPeriod(0us); // all made by then: no need to wait more
        if (passes == 10)
            for (QWidget* w : presses)
                QMetaObject::invokeMethod(
                    w,
                    [w] {
                        QAccessible::queryAccessibleInterface(w)->actionInterface()->doAction(
                            QAccessibleActionInterface::pressAction());
                    },
                    Qt::QueuedConnection);
    };
    for (GradientButton* b : {f.joue(), f.fermer(), f.jouer()})
        QObject::connect(b, &GradientButton::clicked, &f,
                         [&] { duringHandler += f.passDepth > 0; });
    auto clickDuring = [&](int i, std::vector<QWidget*> p) {
        presses = std::move(p);
        passes = duringHandler = 0;
        f.setPassPeriod(1165us);
        QTest::mouseClick(f.batonnet(i), Qt::LeftButton);
        QCOMPARE(duringHandler, static_cast<int>(presses.size())); // all came during the handler
        QVERIFY2(!f.nested, "a press ran its handler inside the running one");
        QCOMPARE(inconsistency(snapshot(f, game), true, false), std::string());
    };

    // Validez, pressed while the third stick slides down: by the time the handler
    // returns, the computer has answered 17, a losing count, with one draw, and disabled
    // Validez, which then does nothing.
    for (QWidget* w : std::initializer_list<QWidget*>{f.jouer(), f.batonnet(0), f.batonnet(1)})
        QTest::mouseClick(w, Qt::LeftButton);
    clickDuring(2, {f.joue()});
    QCOMPARE(f.draws, 1);
    QCOMPARE(game.module().NbBatonnets, 17 - (1 + static_cast<int>(3.0 * f.lastDraw)));

    // Fermer then Jouer, pressed while the next stick slides down (an option armed
    // Jouer): the slide ends, then the lid closes, then a new game opens it.
    QTest::mouseClick(f.force(0), Qt::LeftButton);
    clickDuring(20 - game.module().NbBatonnets, {f.fermer(), f.jouer()});
    QCOMPARE(snapshot(f, game).countAt(InPlayTop), 21L);
    QCOMPARE(f.lidLeft(), OpenLeft); // Jouer ran last
    QCOMPARE(f.draws, 1);
}

QTEST_MAIN(TstMonkey)
#include "tst_monkey.moc"
