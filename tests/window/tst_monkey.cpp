// The monkey: thousands of random clicks through the real window, on every control, on
// the board and on the strip, some of them made while an animation runs and so queued by
// the window system until the running handler has returned. After every handler, and
// whenever the event loop is back at the top, the game's variables, the sticks, the lid,
// the buttons and the label must tell one story; between handlers nothing may change.
// MONKEY_SEED replays a run, MONKEY_CLICKS sets how many clicks the monkey makes itself.
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

constexpr float Ouvert = 857.0f; // the lid's left edge when open, the window's right edge
const QColor EnVert(0, 128, 0), EnRouge(192, 0, 0);

// The real window with three seams: the computer's draws come from the run's seeded
// generator (the time of day could not be replayed); every animation pass calls back, so
// that clicks can be made while a handler runs; and the passes under way are counted: a
// pass begun inside another, or a handler returning while one is under way, is a handler
// run inside another's animation.
class FenetreSinge : public BatonnetsWindow {
  public:
    std::mt19937_64 rng{7};
    int tirages = 0, dansUnePasse = 0;
    double tirage = 0.0;
    bool imbrique = false;
    std::function<void()> aChaquePasse;

    void reseedFromTimeOfDay() override {}
    double nextRandom() override {
        ++tirages;
        return tirage = double(rng() >> 11) * 0x1.0p-53;
    }
    void pace() override {
        if (dansUnePasse++ > 0) imbrique = true;
        BatonnetsWindow::pace();
        --dansUnePasse;
        if (aChaquePasse) aChaquePasse();
    }
};

// Everything the player sees and the game keeps from one handler to the next.
struct Etat {
    std::array<float, 21> haut{}, gauche{};
    float couvercle = 0.0f;
    int nb = 0, pris = 0, tirages = 0;
    bool jouer = false, joue = false;
    QString texte;
    QColor couleur;
    bool operator==(const Etat&) const = default;
    long combien(float top) const { return std::count(haut.begin(), haut.end(), top); }
};

Etat lire(const FenetreSinge& f, const BaseBatonnets& game) {
    Etat e{{},
           {},
           f.lidLeft(),
           game.module().NbBatonnets,
           game.module().NbPrisJoueur,
           f.tirages,
           f.jouer()->isEnabled(),
           f.joue()->isEnabled(),
           f.resultat()->caption(),
           f.resultat()->foreColor()};
    for (int i = 0; i <= 20; ++i) {
        e.haut[i] = f.stickTop(i);
        e.gauche[i] = f.stickLeft(i);
    }
    return e;
}

// What is wrong with a state at rest, or "". `optionPartie`: an option was clicked since
// the game began, which arms Jouer in the middle of it.
std::string incoherence(const Etat& n, bool partie, bool optionPartie) {
    int rangee = 0;
    bool ok = n.pris >= 0 && n.pris <= 3 && (n.couvercle == 0.0f || n.couvercle == Ouvert);
    for (std::size_t k = 0; k < 21; ++k) {
        ok = ok && (n.haut[k] == InPlayTop || n.haut[k] == TakenByPlayerTop ||
                    n.haut[k] == TakenByComputerTop);
        rangee += n.haut[k] == InPlayTop && n.gauche[k] < Ouvert;
    }
    const auto dit = [&n](const char* t, QColor c) {
        return n.texte == QString::fromUtf8(t) && n.couleur == c;
    };
    if (!partie) // no game yet
        ok = ok && n.pris == 3 && n.jouer && !n.joue && n.texte.isEmpty();
    else if (dit(texts::AVousDeJouer, EnVert)) // a turn, which can go on
        ok = ok && n.nb == rangee && n.nb >= 2 && n.pris <= 2 && n.joue == (n.pris >= 1) &&
             n.jouer == optionPartie;
    else // a game over
        ok = ok && n.nb == rangee && n.nb == 1 && n.pris == 3 && n.jouer && !n.joue &&
             (dit(texts::VousGagnez, EnVert) || dit(texts::JaiGagne, EnRouge));
    if (ok) return {};
    QString s = QString::asprintf("NbBatonnets %d (%d in the row), NbPrisJoueur %d, Jouer %d, "
                                  "Validez %d, label \"%s\" %s, lid %g, tops",
                                  n.nb, rangee, n.pris, n.jouer, n.joue, qPrintable(n.texte),
                                  qPrintable(n.couleur.name()), double(n.couvercle));
    for (float h : n.haut)
        s += QString(" %1").arg(h);
    return s.toStdString();
}

enum Ev { Jouer, Joue, Ouvrir, Fermer, Quitter, Batonnet, Option };
const char* const Nom[] = {"Jouer", "Validez", "Ouvrir", "Fermer", "Quitter", "stick", "option"};

struct Clic {
    QPoint p;
    std::string quoi;
};

struct Singe {
    explicit Singe(unsigned long long g, bool surveille = true) : graine(g) {
        f.rng.seed(g);
        f.setPassPeriod(0us);
        wire(f, game);
        if (surveille) observe(); // after the wiring, so run once each handler has returned
        f.aChaquePasse = [this] { passe(); };
        sage = entre(0, 1);
        f.show();
        if (!QTest::qWaitForWindowExposed(&f)) qFatal("window not exposed");
        vide();
        dernier = lire(f, game);
        verifie("at start-up");
    }

    // One click of the monkey's own, with a few more queued during its handler.
    void clic(bool quitter = false) {
        ++clics;
        budget = quitter ? 6 : entre(0, 4);
        etape = quitter ? Clic{ou(f.quitter()), "Quitter"} : choisis();
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, etape.p);
        vide();
        // The state the last handler left, checked then: nothing else may have changed it.
        if (lire(f, game) != dernier) echec("the window changed outside any handler");
    }

    // ---- where the monkey clicks ----------------------------------------------------

    int entre(int min, int max) { return std::uniform_int_distribution<int>(min, max)(f.rng); }
    bool tour() const { return game.module().NbPrisJoueur < 3; }
    QPoint ou(QWidget* w) {
        return w->mapTo(&f, QPoint(entre(0, w->width() - 1), entre(0, w->height() - 1)));
    }
    // A stick in play (1), taken (0) or either (-1), if the one drawn is, on its visible
    // part: in the row, down above the strip that covers the rest, up on the bit left.
    Clic batonnet(int voulu) {
        const int i = entre(0, 20), x = qRound(f.stickLeft(i));
        const float top = f.stickTop(i);
        if (x >= 857 || (voulu >= 0 && (top == InPlayTop) != (voulu == 1))) return {{-1, -1}, ""};
        const int y = top == InPlayTop          ? entre(36, 287)
                      : top == TakenByPlayerTop ? entre(290, 339)
                                                : entre(0, 31);
        return {{entre(x, std::min(x + 23, 856)), y}, "stick " + std::to_string(i)};
    }
    Clic point(bool mort) { // anywhere; `mort`: on the strip, on no button
        const QPoint p(entre(0, 856), entre(mort ? 340 : 0, 428));
        if (mort && qobject_cast<QAbstractButton*>(f.childAt(p))) return {{-1, -1}, ""};
        return {p, mort ? "a dead spot of the strip" : "the window"};
    }
    Clic button(QAbstractButton* b) { return {ou(b), b->text().toStdString()}; }
    OptionButton* option() { return entre(0, 1) ? f.force(entre(0, 1)) : f.debut(entre(0, 1)); }

    // What a player who knows the game clicks: sticks until 4k + 1 are left, then Validez;
    // between games, a 20-stick game the player opens, the only one a player can win
    // against a computer that never errs once it can. In half of the games and of the
    // pauses between them (sage), the monkey plays so throughout; in the others, only now
    // and then, and between games it changes the options at random.
    Clic coupSense() {
        const int pris = game.module().NbPrisJoueur;
        if (tour() && pris > 0 && pris == (game.module().NbBatonnets + pris - 1) % 4)
            return button(f.joue());
        if (tour()) return batonnet(1);
        if (!sage) return button(option());
        QAbstractButton* b = f.jouer();
        if (f.force(0)->value() != 1) b = f.force(0);
        if (f.debut(0)->value() != 1) b = f.debut(0);
        return button(b);
    }
    Clic plan(const Clic& c) { return sage && tour() ? coupSense() : c; }

    // Per mille. Most clicks cost nothing (a taken stick, a dead spot, a disabled button);
    // the others run animations of hundreds of passes, kept rare enough for ten thousand
    // clicks to fit a short run.
    const std::vector<std::pair<int, std::function<Clic()>>> cibles{
        {30, [this] { return coupSense(); }},
        {122, [this] { return batonnet(0); }},
        {4, [this] { return plan(batonnet(-1)); }},
        {4, [this] { return plan(button(f.joue())); }},
        {2, [this] { return plan(button(f.jouer())); }},
        {1, [this] { return plan(button(option())); }},
        {2, [this] { return button(f.ouvrir()); }},
        {1, [this] { return button(f.fermer()); }},
        {12, [this] { return plan(point(false)); }},
        {822, [this] { return point(true); }},
    };
    Clic choisis() { // never Quitter: it ends the run, and is clicked once, at the end
        for (;;) {
            int t = entre(0, 999);
            auto c = cibles.begin();
            while (t >= c->first)
                t -= (c++)->first;
            const Clic k = c->second();
            if (k.p.x() >= 0 && f.childAt(k.p) != f.quitter()) return k;
        }
    }

    // Sometimes, during an animation, a click the window system holds back; what lies
    // where it points once the handler has returned decides what it does.
    void passe() {
        if (!echec_.empty() || budget <= 0 || entre(0, 999) >= permilleQueue) return;
        --budget;
        ++queued;
        const Clic c = choisis();
        using Qws = QWindowSystemInterface;
        for (const bool presse : {true, false})
            Qws::handleMouseEvent<Qws::AsynchronousDelivery>(
                f.windowHandle(), QPointF(c.p), QPointF(f.mapToGlobal(c.p)),
                presse ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton,
                presse ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease);
    }
    void vide() { // until the window system has nothing queued any more
        for (int garde = 0; QWindowSystemInterface::windowSystemEventsQueued() > 0; ++garde) {
            if (garde > 100000) return echec("the queued input is never handled");
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
    }

    // ---- watching the handlers ------------------------------------------------------

    void observe() {
        int k = Jouer;
        for (GradientButton* b : {f.jouer(), f.joue(), f.ouvrir(), f.fermer(), f.quitter()})
            QObject::connect(b, &GradientButton::clicked, &f, [this, e = Ev(k++)] { apres(e, 0); });
        QObject::connect(&f, &BatonnetsWindow::batonnetClicked, &f,
                         [this](int i) { apres(Batonnet, i); });
        for (OptionButton* o : {f.debut(0), f.debut(1), f.force(0), f.force(1)})
            QObject::connect(o, &OptionButton::optionClicked, &f, [this] { apres(Option, 0); });
    }

    // The handler just run, from the state `a` the last one left: those that move no
    // stick may change only what is theirs, a click on a stick in play takes that one.
    void apres(Ev e, int i) {
        const Etat a = dernier, n = dernier = lire(f, game);
        if (f.dansUnePasse > 0 || f.imbrique)
            echec(std::string("the ") + Nom[e] + " handler ran inside another's animation");
        if ((e == Jouer && !a.jouer) || (e == Joue && !a.joue))
            echec(std::string(Nom[e]) + " was clicked while disabled");
        const bool enJeu = e == Batonnet && !fin_ && a.pris < 3 && a.haut.at(i) == InPlayTop;
        const bool aLui = !fin_ && a.pris < 3 && a.nb > 1; // it was the player's turn
        Etat attendu = a;
        attendu.jouer = a.jouer || (e == Option && !fin_);
        if (!fin_ && (e == Ouvrir || e == Fermer)) attendu.couvercle = e == Ouvrir ? Ouvert : 0.0f;
        if ((fin_ || e == Option || e == Ouvrir || e == Fermer || (e == Batonnet && !enJeu)) &&
            n != attendu)
            echec(std::string("the ") + Nom[e] + " handler did not do just its part");
        if (enJeu && n.haut.at(i) != TakenByPlayerTop) echec("the stick clicked stayed");
        if (!fin_ && e == Quitter &&
            !(f.ended() && n.combien(InPlayTop) == 21 && n.couvercle == 0.0f))
            echec("Quitter did not align the sticks, close the lid and end the program");
        if (n.nb == 1 && a.nb != 1) { // this handler ended the game
            const bool joueur =
                e == Batonnet && n.combien(TakenByComputerTop) == a.combien(TakenByComputerTop);
            ++gagnees[joueur ? 0 : 1];
            sage = entre(0, 1);
            if (n.texte != QString::fromUtf8(joueur ? texts::VousGagnez : texts::JaiGagne))
                echec("the wrong side was declared the winner");
        }
        abandonnees += e == Jouer && aLui;
        commencees += e == Jouer && !fin_;
        enCours = e == Quitter && !fin_ ? aLui : enCours;
        partie = partie || e == Jouer;
        optionPartie = (optionPartie || e == Option) && e != Jouer;
        fin_ = fin_ || e == Quitter;
        verifie(("after the " + std::string(Nom[e]) + " handler").c_str());
    }

    void verifie(const char* quand) {
        const std::string faute = fin_ ? "" : incoherence(lire(f, game), partie, optionPartie);
        if (!faute.empty()) echec(faute + " (" + quand + ")");
    }
    void echec(const std::string& quoi) {
        if (!echec_.empty()) return;
        echec_ = "MONKEY_SEED=" + std::to_string(graine) + " reproduces it: click " +
                 std::to_string(clics) + " on " + etape.quoi + " at " +
                 std::to_string(etape.p.x()) + "," + std::to_string(etape.p.y()) + ": " + quoi;
    }

    unsigned long long graine;
    FenetreSinge f;
    BaseBatonnets game{f};
    Etat dernier; // as the last handler left it
    Clic etape;
    std::string echec_;
    int budget = 0, permilleQueue = 3, clics = 0, queued = 0;
    bool sage = false, fin_ = false, partie = false, optionPartie = false;
    int commencees = 0, gagnees[2] = {0, 0}, abandonnees = 0, enCours = 0;
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
    const unsigned long long graine = s.isEmpty() ? std::random_device{}() : s.toULongLong();
    const int clics = qEnvironmentVariableIsEmpty("MONKEY_CLICKS")
                          ? 10000
                          : qEnvironmentVariableIntValue("MONKEY_CLICKS");
    qInfo("monkey: %d clicks, MONKEY_SEED=%llu replays this run", clics, graine);
    Singe m(graine);
    for (int k = 0; k < clics && m.echec_.empty(); ++k)
        m.clic();
    // Quitter, clicks queued during its closing scene, then a few more: once the program
    // has ended, nothing may change any more.
    m.permilleQueue = 10;
    for (int k = 0; k <= 20 && m.echec_.empty(); ++k)
        m.clic(k == 0);
    qInfo("monkey: %d clicks (%d made, %d queued during animations); games started %d, won by "
          "the player %d, won by the computer %d, abandoned %d, left in play %d",
          m.clics + m.queued, m.clics, m.queued, m.commencees, m.gagnees[0], m.gagnees[1],
          m.abandonnees, m.enCours);
    QVERIFY2(m.echec_.empty(), m.echec_.c_str());
    // Every game started ended: won, abandoned for a new one, or in play at Quitter.
    QCOMPARE(m.commencees, m.gagnees[0] + m.gagnees[1] + m.abandonnees + m.enCours);
}

// Presses made through assistive technology while a handler animates are carried out
// once it has returned, in order, each against the state it left: a button disabled
// meanwhile does nothing. Run inside the handler, they would corrupt the animation under
// way and let the computer play twice.
void TstMonkey::assistiveRequestsWaitForTheRunningHandler() {
    // The window without the monkey's watchers: a press signals its button at once, while
    // its handler waits, so they would take it for one run inside the running handler.
    Singe m(7, false);
    FenetreSinge& f = m.f;
    const BaseBatonnets& game = m.game;

    // A click on stick i, during whose slide, at the tenth pass, `presses` are made as a
    // screen reader makes them: requests the event loop delivers like any other event,
    // not input held back. Each animates a click 100 ms later, well within the slide at
    // the real pace, kept up to the 200th pass.
    std::vector<QWidget*> presses;
    int passes = 0, pendant = 0;
    f.aChaquePasse = [&] {
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
        QObject::connect(b, &GradientButton::clicked, &f, [&] { pendant += f.dansUnePasse > 0; });
    auto clicPendant = [&](int i, std::vector<QWidget*> p) {
        presses = std::move(p);
        passes = pendant = 0;
        f.setPassPeriod(1165us);
        QTest::mouseClick(f.batonnet(i), Qt::LeftButton);
        QCOMPARE(pendant, static_cast<int>(presses.size())); // all came during the handler
        QVERIFY2(!f.imbrique, "a press ran its handler inside the running one");
        QCOMPARE(incoherence(lire(f, game), true, false), std::string());
    };

    // Validez, pressed while the third stick slides down: by the time the handler
    // returns, the computer has answered 17, a losing count, with one draw, and disabled
    // Validez, which then does nothing.
    for (QWidget* w : std::initializer_list<QWidget*>{f.jouer(), f.batonnet(0), f.batonnet(1)})
        QTest::mouseClick(w, Qt::LeftButton);
    clicPendant(2, {f.joue()});
    QCOMPARE(f.tirages, 1);
    QCOMPARE(game.module().NbBatonnets, 17 - (1 + static_cast<int>(3.0 * f.tirage)));

    // Fermer then Jouer, pressed while the next stick slides down (an option armed
    // Jouer): the slide ends, then the lid closes, then a new game opens it.
    QTest::mouseClick(f.force(0), Qt::LeftButton);
    clicPendant(20 - game.module().NbBatonnets, {f.fermer(), f.jouer()});
    QCOMPARE(lire(f, game).combien(InPlayTop), 21L);
    QCOMPARE(f.lidLeft(), Ouvert); // Jouer ran last
    QCOMPARE(f.tirages, 1);
}

QTEST_MAIN(TstMonkey)
#include "tst_monkey.moc"
