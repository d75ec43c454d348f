// The monkey: thousands of random clicks through the real window, on every control, on
// the board and on the strip, some of them made while an animation runs and so queued by
// the window system until the running handler has returned. A model of the game kept
// here follows every handler; after each one, and whenever the event loop is back at the
// top, the game and the window must agree with it. A seed replays a run exactly:
// MONKEY_SEED sets it, MONKEY_CLICKS the number of clicks the monkey makes itself.
// Beside it, presses from assistive technology, which are no input and so can arrive in
// the middle of a handler, must wait for its end.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "BatonnetsWindow.h"
#include "PictureBox.h"
#include "VkCommand.h"
#include "VkLabel.h"
#include "VkOptionButton.h"
#include "Wiring.h"
#include "game/BaseBatonnets.h"
#include "window/Textes.h"

using namespace batonnets;

namespace {

using Rng = std::mt19937_64;

constexpr float Rangee = 36.0f, EnBas = 290.0f, EnHaut = -220.0f;
constexpr float Ferme = 0.0f, Ouvert = 857.0f;
constexpr int Largeur = 857, Hauteur = 429;

const QColor Vert(0, 128, 0);
const QColor RougeFonce(192, 0, 0);

// The real window, with two test seams: the computer's draws come from the monkey's
// seeded generator (the time of day would make a run impossible to replay), and every
// animation pass calls back, so that clicks can be made while a handler runs.
class FenetreSinge : public BatonnetsWindow {
  public:
    Rng* generateur = nullptr;
    int tirages = 0;
    double dernierTirage = 0.0;
    std::function<void()> aChaquePasse;

    void reseedFromTimeOfDay() override {}
    double nextRandom() override {
        ++tirages;
        dernierTirage = static_cast<double>((*generateur)() >> 11) * 0x1.0p-53; // [0, 1)
        return dernierTirage;
    }
    void pace() override {
        BatonnetsWindow::pace();
        if (aChaquePasse) aChaquePasse();
    }
};

enum class Phase { AvantPremierePartie, TourJoueur, JoueurGagne, OrdiGagne, Termine };

// What the game should look like, rebuilt from the handlers that ran, independently of
// the game's own code.
struct Modele {
    Phase phase = Phase::AvantPremierePartie;
    int enJeu = 0;             // sticks in play
    int pris = 3;              // taken by the player this turn; 3 locks picking
    bool optionPartie = false; // an option was clicked during this game (Jouer armed)
    bool optionJamais = false; // an option was ever clicked (Jouer closes the lid first)
    bool vingtEtUn = false;
    float couvercle = Ferme;
    std::array<float, 21> haut{};
    std::array<float, 21> gauche{};
    // Once the program has ended, the buttons keep what they showed.
    bool jouerFige = false;
    bool joueFige = false;
    QString texteFige;

    bool jouerActif() const {
        switch (phase) {
        case Phase::TourJoueur:
            return optionPartie;
        case Phase::Termine:
            return jouerFige;
        default:
            return true;
        }
    }
    bool joueActif() const {
        if (phase == Phase::Termine) return joueFige;
        return phase == Phase::TourJoueur && pris >= 1 && pris <= 2;
    }
};

enum class Evenement { Jouer, Joue, Batonnet, Option, Ouvrir, Fermer, Quitter };

const char* nom(Evenement e) {
    switch (e) {
    case Evenement::Jouer:
        return "Jouer";
    case Evenement::Joue:
        return "Validez";
    case Evenement::Batonnet:
        return "stick";
    case Evenement::Option:
        return "option";
    case Evenement::Ouvrir:
        return "Ouvrir";
    case Evenement::Fermer:
        return "Fermer";
    case Evenement::Quitter:
        return "Quitter";
    }
    return "?";
}

QString texte(const char* utf8) {
    return QString::fromUtf8(utf8);
}

long envOu(const char* nomVar, long defaut) {
    const char* v = std::getenv(nomVar);
    return v && *v ? std::strtol(v, nullptr, 10) : defaut;
}

struct Clic {
    QPoint p;
    std::string cible;
};

class Singe {
  public:
    explicit Singe(std::uint64_t graine) : graine_(graine), rng_(graine) {
        f_.generateur = &rng_;
        f_.setPassPeriod(std::chrono::microseconds(0));
        // Watchers connected before the wiring run before the game's handler, those after
        // it run once the handler has returned.
        observe(true);
        relier(f_, jeu_);
        observe(false);
        f_.aChaquePasse = [this] { passe(); };
        for (int i = 0; i <= 20; ++i) {
            modele_.haut[static_cast<std::size_t>(i)] = Rangee;
            modele_.gauche[static_cast<std::size_t>(i)] = 18.0f + 42.0f * static_cast<float>(i);
        }
        sage_ = pile(0.5);
        f_.show();
        if (!QTest::qWaitForWindowExposed(&f_)) qFatal("window not exposed");
        vide();
        verifie("at start-up");
    }

    // One click of the monkey's own, made once everything queued has been handled.
    void clic() {
        ++clicsSinge_;
        queue_.clear();
        budget_ = entre(0, 4);
        const Clic c = choisis();
        etape_ = c;
        QTest::mouseClick(f_.windowHandle(), Qt::LeftButton, {}, c.p);
        vide();
        verifie("back at the top");
    }

    // Quitter, clicks queued during its closing scene, then a few more: once the program
    // has ended, nothing may change any more.
    void termine() {
        ++clicsSinge_;
        queue_.clear();
        budget_ = 6;
        probaQueue_ = 1.0 / 100;
        const Clic c{dans(f_.quitter()), "Quitter"};
        etape_ = c;
        QTest::mouseClick(f_.windowHandle(), Qt::LeftButton, {}, c.p);
        vide();
        verifie("after Quitter");
        if (!f_.ended() || !jeu_.termine()) echec("Quitter did not end the program");
        for (int k = 0; k < 20 && !echoue_; ++k)
            clic();
    }

    bool echoue() const { return echoue_; }
    const std::string& message() const { return message_; }

    void bilan(double secondes) const {
        std::printf("monkey: seed %llu, %ld clicks (%ld made, %ld queued during animations), "
                    "%ld handlers, %ld animation passes, %.1f s\n",
                    static_cast<unsigned long long>(graine_), clicsSinge_ + clicsQueue_,
                    clicsSinge_, clicsQueue_, gestionnaires_, passes_, secondes);
        std::printf("monkey: games started %d, won by the player %d, won by the computer %d, "
                    "abandoned %d, left in play %d\n",
                    commencees_, gagneesJoueur_, gagneesOrdi_, abandonnees_, enCours_ ? 1 : 0);
    }

    int commencees() const { return commencees_; }
    int terminees() const { return gagneesJoueur_ + gagneesOrdi_; }
    int abandonnees() const { return abandonnees_; }
    bool enCours() const { return enCours_; }

  private:
    // ---- random choices -------------------------------------------------------------

    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng_); }
    bool pile(double p) { return std::bernoulli_distribution(p)(rng_); }

    QPoint dans(QWidget* w) {
        return w->mapTo(&f_, QPoint(entre(0, w->width() - 1), entre(0, w->height() - 1)));
    }

    // A point on the visible part of stick i, or (-1, -1) if none is in the window.
    QPoint surBatonnet(int i) {
        const QPointF pos = f_.batonnet(i)->position();
        const int x0 = qRound(pos.x()), x1 = std::min(x0 + 23, Largeur - 1);
        if (x1 < x0) return {-1, -1};
        // A taken stick is clicked above the strip; below, its controls lie over it.
        const int y = pos.y() == Rangee  ? entre(36, 287)
                      : pos.y() == EnBas ? entre(290, 339)
                                         : entre(0, 31);
        return {entre(x0, x1), y};
    }

    // A point of the strip; when `mort` is set, on none of the buttons: a frame, the
    // label, a gap.
    QPoint surLeBandeau(bool mort) {
        std::vector<QRect> exclus;
        if (mort) {
            for (QWidget* w : std::initializer_list<QWidget*>{f_.jouer(), f_.joue(), f_.ouvrir(),
                                                              f_.fermer(), f_.force(0), f_.force(1),
                                                              f_.debut(0), f_.debut(1)})
                exclus.push_back(QRect(w->mapTo(&f_, QPoint(0, 0)), w->size()));
        }
        for (;;) {
            const QPoint p(entre(0, Largeur - 1), entre(340, Hauteur - 1));
            if (std::none_of(exclus.begin(), exclus.end(),
                             [p](const QRect& r) { return r.contains(p); }))
                return p;
        }
    }

    // A stick, drawn among those standing (enJeu) or the others; (-1, -1) if none.
    Clic batonnetAuHasard(bool enJeu) {
        std::vector<int> choix;
        for (int i = 0; i <= 20; ++i)
            if ((f_.stickTop(i) == Rangee) == enJeu && surBatonnet(i).x() >= 0) choix.push_back(i);
        if (choix.empty()) return {{-1, -1}, ""};
        const int i = choix[static_cast<std::size_t>(entre(0, static_cast<int>(choix.size()) - 1))];
        return {surBatonnet(i), "stick " + std::to_string(i) + (enJeu ? " in play" : " taken")};
    }

    // Where the monkey clicks, per mille. Most clicks cost nothing (a taken stick, the
    // label, a frame, a gap, a disabled button); the others run animations of hundreds
    // of passes each and are kept rare enough for ten thousand clicks to fit a short run.
    // A stick in play is clicked twice as often as Validez, so most turns end on a third
    // stick, some on Validez, and games mostly end before an option and Jouer abandon them.
    Clic choisis() {
        // Quitter ends the run: it is clicked once, at the end.
        for (;;) {
            const Clic c = tire();
            if (!f_.quitter()->geometry().contains(c.p)) return c;
        }
    }

    // What a player who knows the game would click now: sticks until 4k + 1 are left,
    // then Validez. The computer never errs once it can win, so only a 20-stick game the
    // player opens and plays like this from the first move to the last ends with the
    // player's win: in half of the games and of the pauses between them (sage_), the
    // monkey's other stick and button clicks are made so too.
    Clic coupSense() {
        const Modele& m = modele_;
        if (m.phase != Phase::TourJoueur) {
            // Between games: the player opens a 20-stick game, the one the player can win.
            if (f_.debut(0)->value() != 1) return {dans(f_.debut(0)), "Joueur, as planned"};
            if (f_.force(0)->value() != 1) return {dans(f_.force(0)), "Normale, as planned"};
            return {dans(f_.jouer()), "Jouer, as planned"};
        }
        const int aPrendre = (m.enJeu + m.pris - 1) % 4;
        if (aPrendre > 0 && m.pris == aPrendre) return {dans(f_.joue()), "Validez, as planned"};
        return batonnetAuHasard(true);
    }

    Clic surOption() {
        const int k = entre(0, 3);
        VkOptionButton* o = k < 2 ? f_.force(k) : f_.debut(k - 2);
        return {dans(o), o->text().toStdString()};
    }

    Clic tire() {
        const int t = entre(0, 999);
        if (t < 25) {
            // Between games, a monkey with no plan changes the options instead.
            if (modele_.phase != Phase::TourJoueur && !sage_) return surOption();
            const Clic c = coupSense();
            if (c.p.x() >= 0) return c;
        } else if (t < 28) {
            const Clic c = sage_ ? coupSense() : batonnetAuHasard(true);
            if (c.p.x() >= 0) return c;
        } else if (t < 150) {
            const Clic c = batonnetAuHasard(false);
            if (c.p.x() >= 0) return c;
        } else if (t < 154) {
            if (sage_ && modele_.phase == Phase::TourJoueur) return coupSense();
            const int i = entre(0, 20);
            const QPoint p = surBatonnet(i);
            if (p.x() >= 0) return {p, "stick " + std::to_string(i)};
        } else if (t < 160) {
            if (sage_ && modele_.phase == Phase::TourJoueur) return coupSense();
            return {dans(f_.joue()), "Validez"};
        } else if (t < 162) {
            return {dans(f_.jouer()), "Jouer"};
        } else if (t < 163) {
            return surOption();
        } else if (t < 165) {
            return {dans(f_.ouvrir()), "Ouvrir"};
        } else if (t < 166) {
            return {dans(f_.fermer()), "Fermer"};
        } else if (t < 172) { // somewhere on the board: the lid, a stick, the rim
            return {{entre(0, Largeur - 1), entre(0, 339)}, "the board"};
        } else if (t < 178) { // somewhere on the strip, on a control or not
            return {surLeBandeau(false), "the strip"};
        } else if (t < 400) {
            return {dans(f_.resultat()), "the label"};
        }
        return {surLeBandeau(true), "a dead spot of the strip"};
    }

    // ---- clicks queued during an animation ------------------------------------------

    void passe() {
        ++passes_;
        couvercleMin_ = std::min(couvercleMin_, f_.lidLeft());
        if (echoue_ || profondeur_ == 0 || budget_ <= 0 || !pile(probaQueue_)) return;
        --budget_;
        // Where the monkey points now; what lies there when the click is handled decides.
        const Clic c = choisis();
        QWindow* w = f_.windowHandle();
        const QPointF local(c.p), global(w->mapToGlobal(c.p));
        using Qws = QWindowSystemInterface;
        Qws::handleMouseEvent<Qws::AsynchronousDelivery>(w, local, global, Qt::LeftButton,
                                                         Qt::LeftButton, QEvent::MouseButtonPress);
        Qws::handleMouseEvent<Qws::AsynchronousDelivery>(
            w, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
        ++clicsQueue_;
        queue_.push_back(c.cible + " at " + std::to_string(c.p.x()) + "," +
                         std::to_string(c.p.y()) + " during " + nom(enCoursEv_));
    }

    // Runs the event loop until the window system has nothing queued any more.
    void vide() {
        for (int garde = 0; QWindowSystemInterface::windowSystemEventsQueued() > 0; ++garde) {
            QCoreApplication::processEvents();
            if (garde > 100000) {
                echec("the queued input is never handled");
                return;
            }
        }
        QCoreApplication::processEvents();
    }

    // ---- watching the handlers ------------------------------------------------------

    void observe(bool avantLeJeu) {
        auto ev = [this, avantLeJeu](Evenement e, int index) {
            if (avantLeJeu)
                avant(e, index);
            else
                apres(e, index);
        };
        QObject::connect(f_.jouer(), &VkCommand::clicked, &f_, [ev] { ev(Evenement::Jouer, 0); });
        QObject::connect(f_.joue(), &VkCommand::clicked, &f_, [ev] { ev(Evenement::Joue, 0); });
        QObject::connect(f_.ouvrir(), &VkCommand::clicked, &f_, [ev] { ev(Evenement::Ouvrir, 0); });
        QObject::connect(f_.fermer(), &VkCommand::clicked, &f_, [ev] { ev(Evenement::Fermer, 0); });
        QObject::connect(f_.quitter(), &VkCommand::clicked, &f_,
                         [ev] { ev(Evenement::Quitter, 0); });
        QObject::connect(&f_, &BatonnetsWindow::batonnetClicked, &f_,
                         [ev](int i) { ev(Evenement::Batonnet, i); });
        for (int i = 0; i < 2; ++i) {
            QObject::connect(f_.debut(i), &VkOptionButton::optionClicked, &f_,
                             [ev](int k) { ev(Evenement::Option, k); });
            QObject::connect(f_.force(i), &VkOptionButton::optionClicked, &f_,
                             [ev](int k) { ev(Evenement::Option, k); });
        }
    }

    void avant(Evenement e, int) {
        if (profondeur_ != 0)
            echec(std::string("the ") + nom(e) + " handler started while the " + nom(enCoursEv_) +
                  " handler was still running");
        ++profondeur_;
        ++gestionnaires_;
        enCoursEv_ = e;
        couvercleMin_ = f_.lidLeft();
        tiragesAvant_ = f_.tirages;
        if (e == Evenement::Jouer && !modele_.jouerActif())
            echec("Jouer could be clicked although the game should have it disabled");
        if (e == Evenement::Joue && !modele_.joueActif())
            echec("Validez could be clicked although the game should have it disabled");
        if (e == Evenement::Quitter) {
            modele_.jouerFige = f_.jouer()->isEnabled();
            modele_.joueFige = f_.joue()->isEnabled();
            modele_.texteFige = f_.resultat()->caption();
        }
    }

    void apres(Evenement e, int index) {
        --profondeur_;
        Modele& m = modele_;
        if (m.phase == Phase::Termine) {
            if (f_.tirages != tiragesAvant_) echec("the computer played after the end");
            verifie("after a handler");
            return;
        }
        switch (e) {
        case Evenement::Jouer:
            partie();
            break;
        case Evenement::Joue:
            coupOrdi();
            break;
        case Evenement::Batonnet:
            batonnet(index);
            break;
        case Evenement::Option:
            m.optionPartie = true;
            m.optionJamais = true;
            break;
        case Evenement::Ouvrir:
            m.couvercle = Ouvert;
            break;
        case Evenement::Fermer:
            m.couvercle = Ferme;
            break;
        case Evenement::Quitter:
            if (m.phase == Phase::TourJoueur) enCours_ = true;
            m.phase = Phase::Termine;
            m.haut.fill(Rangee); // the closing scene brings every stick back to the row
            m.couvercle = Ferme;
            break;
        }
        if (e != Evenement::Joue && e != Evenement::Batonnet && e != Evenement::Jouer &&
            f_.tirages != tiragesAvant_)
            echec(std::string("the computer drew a move during ") + nom(e));
        verifie("after a handler");
    }

    void partie() {
        Modele& m = modele_;
        if (m.phase == Phase::TourJoueur) ++abandonnees_;
        ++commencees_;
        // If an option was ever clicked, the layout may change: the lid closes first.
        if (m.optionJamais && couvercleMin_ != Ferme)
            echec("Jouer did not close the lid although an option had been clicked");
        if (!m.optionJamais && couvercleMin_ < m.couvercle)
            echec("Jouer closed the lid although no option had ever been clicked");
        const bool joueur = f_.debut(0)->value() == 1, expert = f_.force(1)->value() == 1;
        if (f_.debut(1)->value() == joueur || f_.force(0)->value() == expert)
            echec("the option groups are not exclusive");
        m.vingtEtUn = joueur && expert;
        for (int i = 0; i <= 20; ++i) {
            m.haut[static_cast<std::size_t>(i)] = Rangee;
            m.gauche[static_cast<std::size_t>(i)] = m.vingtEtUn
                                                        ? 15.0f + 40.0f * static_cast<float>(i)
                                                        : 18.0f + 42.0f * static_cast<float>(i);
        }
        m.enJeu = m.vingtEtUn ? 21 : 20;
        m.couvercle = Ouvert;
        m.optionPartie = false;
        m.phase = Phase::TourJoueur;
        m.pris = 0;
        if (!joueur) {
            coupOrdi();
        } else if (f_.tirages != tiragesAvant_) {
            echec("the computer drew a move in a game the player opens");
        }
    }

    void batonnet(int i) {
        Modele& m = modele_;
        if (i < 0 || i > 20) {
            echec("a click reported stick " + std::to_string(i));
            return;
        }
        const auto k = static_cast<std::size_t>(i);
        // A taken stick, or picking locked (no game yet, game over, or three taken).
        if (m.haut[k] != Rangee || m.phase != Phase::TourJoueur || m.pris >= 3) {
            if (f_.tirages != tiragesAvant_) echec("the computer moved on a dead stick click");
            return;
        }
        m.haut[k] = EnBas;
        --m.enJeu;
        ++m.pris;
        if (m.enJeu == 1) { // the win comes before the hand-over
            m.phase = Phase::JoueurGagne;
            m.pris = 3;
            ++gagneesJoueur_;
            sage_ = pile(0.5);
        } else if (m.pris == 3) {
            coupOrdi();
        } else if (f_.tirages != tiragesAvant_) {
            echec("the computer drew a move before the player's turn was over");
        }
    }

    // The computer leaves 4k + 1 sticks when it can, else it takes 1 to 3 at random; in
    // both cases the leftmost sticks still in play.
    void coupOrdi() {
        Modele& m = modele_;
        if (m.enJeu < 2) {
            echec("the computer had to move with " + std::to_string(m.enJeu) + " stick(s)");
            return;
        }
        int aPrendre = (m.enJeu - 1) % 4;
        if (aPrendre == 0) {
            if (f_.tirages != tiragesAvant_ + 1) {
                echec("the computer should have drawn its move once, facing " +
                      std::to_string(m.enJeu) + " sticks");
                return;
            }
            aPrendre = 1 + static_cast<int>(3.0 * f_.dernierTirage);
        } else if (f_.tirages != tiragesAvant_) {
            echec("the computer drew although " + std::to_string(m.enJeu) +
                  " sticks have a winning move");
            return;
        }
        for (std::size_t i = 0; i <= 20 && aPrendre > 0; ++i) {
            if (m.haut[i] != Rangee) continue;
            m.haut[i] = EnHaut;
            --m.enJeu;
            --aPrendre;
        }
        if (m.enJeu == 1) {
            m.phase = Phase::OrdiGagne;
            m.pris = 3;
            ++gagneesOrdi_;
            sage_ = pile(0.5);
        } else {
            m.phase = Phase::TourJoueur;
            m.pris = 0;
        }
    }

    // ---- the checks -----------------------------------------------------------------

    void verifie(const char* ou) {
        if (echoue_) return;
        const Modele& m = modele_;
        const BatonModule& b = jeu_.module();
        auto faux = [&](const std::string& quoi) { echec(quoi + " (" + ou + ")"); };

        if (b.NbPrisJoueur < 0 || b.NbPrisJoueur > 3)
            return faux("NbPrisJoueur out of 0..3: " + std::to_string(b.NbPrisJoueur));
        if (m.phase != Phase::Termine && b.NbPrisJoueur != m.pris)
            return faux("NbPrisJoueur " + std::to_string(b.NbPrisJoueur) + ", expected " +
                        std::to_string(m.pris));
        for (int i = 0; i <= 20; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const float top = f_.stickTop(i), left = f_.stickLeft(i);
            if (top != Rangee && top != EnBas && top != EnHaut)
                return faux("stick " + std::to_string(i) + " stopped at top " +
                            std::to_string(top));
            if (top != m.haut[k] || left != m.gauche[k])
                return faux("stick " + std::to_string(i) + " at " + std::to_string(left) + "," +
                            std::to_string(top) + ", expected " + std::to_string(m.gauche[k]) +
                            "," + std::to_string(m.haut[k]));
        }
        const float lid = f_.lidLeft();
        if (lid != Ferme && lid != Ouvert) return faux("the lid stopped at " + std::to_string(lid));
        if (lid != m.couvercle) return faux("the lid is at " + std::to_string(lid));

        if (m.phase != Phase::AvantPremierePartie && m.phase != Phase::Termine) {
            int surLePlateau = 0;
            for (int i = 0; i <= 20; ++i)
                if (f_.stickTop(i) == Rangee && f_.stickLeft(i) < Ouvert) ++surLePlateau;
            if (b.NbBatonnets < 1 || b.NbBatonnets > 21 || b.NbBatonnets != surLePlateau ||
                b.NbBatonnets != m.enJeu)
                return faux("NbBatonnets " + std::to_string(b.NbBatonnets) + ", " +
                            std::to_string(surLePlateau) + " sticks in the row, expected " +
                            std::to_string(m.enJeu));
            if ((f_.plateau() == Plateau::VingtEtUn) != m.vingtEtUn) return faux("wrong board");
        }

        if (f_.jouer()->isEnabled() != m.jouerActif())
            return faux(std::string("Jouer ") + (m.jouerActif() ? "disabled" : "enabled"));
        if (f_.joue()->isEnabled() != m.joueActif())
            return faux(std::string("Validez ") + (m.joueActif() ? "disabled" : "enabled"));

        const QString legende = f_.resultat()->caption();
        const QColor couleur = f_.resultat()->foreColor();
        auto message = [&](const char* attendu, QColor c) {
            if (legende != texte(attendu) || couleur != c)
                faux("the label shows \"" + legende.toStdString() + "\" in " +
                     couleur.name().toStdString() + ", expected \"" + attendu + "\" in " +
                     c.name().toStdString());
        };
        switch (m.phase) {
        case Phase::AvantPremierePartie:
            if (!legende.isEmpty())
                faux("the label shows \"" + legende.toStdString() + "\" before any game");
            break;
        case Phase::TourJoueur:
            message(textes::AVousDeJouer, Vert);
            // A game can always go on: sticks the player can reach, and picking open.
            if (m.enJeu < 2 || m.pris > 2) faux("the player's turn cannot go on");
            break;
        case Phase::JoueurGagne:
            message(textes::VousGagnez, Vert);
            break;
        case Phase::OrdiGagne:
            message(textes::JaiGagne, RougeFonce);
            break;
        case Phase::Termine:
            if (legende != m.texteFige) faux("the label changed after the end");
            break;
        }
    }

    void echec(const std::string& quoi) {
        if (echoue_) return;
        echoue_ = true;
        message_ = "seed " + std::to_string(graine_) + ", click " + std::to_string(clicsSinge_) +
                   " on " + etape_.cible + " at " + std::to_string(etape_.p.x()) + "," +
                   std::to_string(etape_.p.y()) + ": " + quoi;
        for (const std::string& q : queue_)
            message_ += "\n  queued meanwhile: " + q;
        std::fprintf(stderr, "monkey FAILED, MONKEY_SEED=%llu reproduces it\n%s\n",
                     static_cast<unsigned long long>(graine_), message_.c_str());
    }

    std::uint64_t graine_;
    Rng rng_;
    FenetreSinge f_;
    BaseBatonnets jeu_{f_};
    Modele modele_;

    int profondeur_ = 0;
    Evenement enCoursEv_ = Evenement::Jouer;
    float couvercleMin_ = 0.0f;
    int tiragesAvant_ = 0;
    int budget_ = 0;
    double probaQueue_ = 1.0 / 300;
    bool sage_ = false;
    Clic etape_;
    std::vector<std::string> queue_;

    bool echoue_ = false;
    std::string message_;
    long clicsSinge_ = 0, clicsQueue_ = 0, gestionnaires_ = 0, passes_ = 0;
    int commencees_ = 0, gagneesJoueur_ = 0, gagneesOrdi_ = 0, abandonnees_ = 0;
    bool enCours_ = false;
};

} // namespace

class TstMonkey : public QObject {
    Q_OBJECT
  private slots:
    void randomClicks();
    void assistiveRequestsWaitForTheRunningHandler();
};

void TstMonkey::randomClicks() {
    const auto graine = static_cast<std::uint64_t>(
        envOu("MONKEY_SEED", static_cast<long>(std::random_device{}() & 0x7fffffff)));
    const long clics = envOu("MONKEY_CLICKS", 10000);
    std::printf("monkey: seed %llu (MONKEY_SEED=%llu replays this run), %ld clicks\n",
                static_cast<unsigned long long>(graine), static_cast<unsigned long long>(graine),
                clics);
    std::fflush(stdout);

    const auto debut = std::chrono::steady_clock::now();
    Singe singe(graine);
    for (long k = 0; k < clics && !singe.echoue(); ++k)
        singe.clic();
    if (!singe.echoue()) singe.termine();
    singe.bilan(std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
    if (singe.echoue()) QFAIL(singe.message().c_str());

    // Every game started ended: won by one side, abandoned for a new one, or still in
    // play when Quitter was clicked.
    QCOMPARE(singe.commencees(),
             singe.terminees() + singe.abandonnees() + (singe.enCours() ? 1 : 0));
}

namespace {

// What a screen reader's "press" does: a request the event loop delivers like any other
// event, even during an animation, and not an input event held back until its end.
void appuiAssistant(QWidget* w) {
    QMetaObject::invokeMethod(
        w,
        [w] {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            if (a && a->actionInterface())
                a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        },
        Qt::QueuedConnection);
}

QPoint surLeBatonnet(const BatonnetsWindow& f, int i) {
    return {qRound(f.stickLeft(i)) + 12, 150};
}

} // namespace

// Presses made through assistive technology while a handler animates are carried out
// once it has returned, in order, each against the state it left: a button disabled
// meanwhile does nothing. Run inside the handler, they would corrupt the animation under
// way and let the computer play twice.
void TstMonkey::assistiveRequestsWaitForTheRunningHandler() {
    Rng rng(7);
    FenetreSinge f;
    f.generateur = &rng;
    BaseBatonnets jeu(f);
    relier(f, jeu);
    f.setPassPeriod(std::chrono::microseconds(0));
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto clic = [&f](QPoint p) { QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, p); };
    auto centre = [&f](QWidget* w) { return w->mapTo(&f, w->rect().center()); };

    // Inside a handler, at its tenth pass, the requests are made; each animates a click
    // 100 ms later, well within the stick's slide at the real pace (over 250 passes).
    bool dansLeClic = false;
    int passes = 0, faitsPendant = 0;
    std::vector<QWidget*> aPresser;
    f.aChaquePasse = [&] {
        if (++passes == 10)
            for (QWidget* w : aPresser)
                appuiAssistant(w);
    };
    auto compte = [&] {
        if (dansLeClic && ++faitsPendant == static_cast<int>(aPresser.size()))
            f.setPassPeriod(std::chrono::microseconds(0)); // all made: no need to wait now
    };
    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(f.joue()), static_cast<QAbstractButton*>(f.fermer()),
          static_cast<QAbstractButton*>(f.jouer())})
        QObject::connect(b, &QAbstractButton::clicked, &f, compte);
    auto clicAvecRequetes = [&](QPoint p, std::vector<QWidget*> requetes) {
        aPresser = std::move(requetes);
        passes = faitsPendant = 0;
        f.setPassPeriod(std::chrono::microseconds(1165));
        dansLeClic = true;
        clic(p);
        dansLeClic = false;
        f.setPassPeriod(std::chrono::microseconds(0));
        QCoreApplication::processEvents();
    };
    auto coherent = [&] {
        int enJeu = 0;
        for (int i = 0; i <= 20; ++i) {
            const float top = f.stickTop(i);
            if (top != Rangee && top != EnBas && top != EnHaut) return false;
            if (top == Rangee && f.stickLeft(i) < Ouvert) ++enJeu;
        }
        return enJeu == jeu.module().NbBatonnets;
    };

    // Validez, pressed while the third stick slides down: by the time the handler
    // returns, the computer has answered and Validez is disabled, so it does nothing.
    clic(centre(f.jouer()));
    clic(surLeBatonnet(f, 0));
    clic(surLeBatonnet(f, 1));
    QVERIFY(f.joue()->isEnabled());
    clicAvecRequetes(surLeBatonnet(f, 2), {f.joue()});
    QCOMPARE(faitsPendant, 1); // the press did come during the handler
    QCOMPARE(f.tirages, 1);    // one answer to 17 sticks, a losing count: one draw
    QCOMPARE(jeu.module().NbBatonnets, 17 - (1 + static_cast<int>(3.0 * f.dernierTirage)));
    QCOMPARE(jeu.module().NbPrisJoueur, 0);
    QVERIFY(!f.joue()->isEnabled());
    QCOMPARE(f.resultat()->caption(), texte(textes::AVousDeJouer));
    QVERIFY(coherent());

    // Fermer then Jouer, pressed while a stick slides down (an option armed Jouer): the
    // slide ends, then the lid closes, then a new game opens it.
    clic(centre(f.force(0)));
    QVERIFY(f.jouer()->isEnabled());
    int premier = 0;
    while (f.stickTop(premier) != Rangee)
        ++premier;
    clicAvecRequetes(surLeBatonnet(f, premier), {f.fermer(), f.jouer()});
    QCOMPARE(faitsPendant, 2);
    QCOMPARE(jeu.module().NbBatonnets, 20);
    QCOMPARE(jeu.module().NbPrisJoueur, 0);
    for (int i = 0; i <= 20; ++i)
        QCOMPARE(f.stickTop(i), Rangee);
    QCOMPARE(f.lidLeft(), Ouvert); // Jouer ran last
    QVERIFY(!f.jouer()->isEnabled());
    QCOMPARE(f.tirages, 1);
    QVERIFY(coherent());
}

QTEST_MAIN(TstMonkey)
#include "tst_monkey.moc"
