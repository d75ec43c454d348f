// Whole games clicked through the real window, checked on the widgets' state and on
// the pixels that reach the screen.
#include <QTest>

#include "GradientButton.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "StatusLabel.h"
#include "WindowFixture.h"
#include "game/Texts.h"

using namespace batonnets;
using namespace batonnets::test;

namespace {

// Does the label show text of this colour somewhere?
bool labelShows(const Fenetre& w, QRgb colour) {
    const QImage s = w.screen().copy(384, 344, 315, 42);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) == colour) return true;
    return false;
}

void take(Fenetre& w, int k) {
    for (int j = 0; j < k; ++j)
        w.click(w.leftmostInPlay());
    if (k < 3 && w.f.joue()->isEnabled()) w.click(w.f.joue());
}

// Every stick is shown where its state says: in the row, down, or up out of the window.
void checkSticksOnScreen(const Fenetre& w, const QImage& board) {
    const QImage s = w.screen();
    const QImage stick = picture("batonnet");
    for (int i = 0; i <= 20; ++i) {
        const int x = static_cast<int>(w.f.stickLeft(i)) + 12;
        if (x >= 857) continue;
        const float top = w.f.stickTop(i);
        if (top == 36.0f) {
            QCOMPARE(s.pixel(x, 160), stick.pixel(12, 124));
        } else if (top == 290.0f) {
            QCOMPARE(s.pixel(x, 300), stick.pixel(12, 10));
            QCOMPARE(s.pixel(x, 160), board.pixel(x, 160)); // its slot is empty
        } else {
            QCOMPARE(top, -220.0f);
            QCOMPARE(s.pixel(x, 20), stick.pixel(12, 240));
            QCOMPARE(s.pixel(x, 160), board.pixel(x, 160));
        }
    }
}

} // namespace

class TstPartie : public QObject {
    Q_OBJECT
  private slots:
    void playerWinsOnTwenty();
    void computerWinsOnTwentyOne();
    void computerStartsAndNextGameRealigns();
};

void TstPartie::playerWinsOnTwenty() {
    Fenetre w;
    w.click(w.leftmostInPlay()); // before the first game: nothing
    QCOMPARE(w.f.stickTop(0), 36.0f);
    w.click(w.f.jouer());
    QVERIFY(!w.f.jouer()->isEnabled());
    QVERIFY(labelShows(w, qRgb(0, 128, 0)));
    take(w, 3); // leaves 17; from then on always leave 4k + 1
    while (w.game.module().NbBatonnets > 1) {
        QCOMPARE(w.f.resultat()->caption(), QString::fromUtf8(texts::AVousDeJouer));
        take(w, (w.game.module().NbBatonnets - 1) % 4);
    }
    QCOMPARE(w.f.resultat()->caption(), QString::fromUtf8(texts::VousGagnez));
    QVERIFY(labelShows(w, qRgb(0, 128, 0)));
    QVERIFY(w.f.jouer()->isEnabled());
    QVERIFY(!w.f.joue()->isEnabled());
    checkSticksOnScreen(w, picture("plateau20"));
    const QPoint last = w.leftmostInPlay();
    w.click(last); // the game is over: the last stick stays
    QCOMPARE(w.game.module().NbBatonnets, 1);
    QCOMPARE(w.leftmostInPlay(), last);
}

void TstPartie::computerWinsOnTwentyOne() {
    Fenetre w;
    w.click(w.f.force(1));
    w.click(w.f.jouer());
    QCOMPARE(w.f.board(), Board::TwentyOne);
    QCOMPARE(w.game.module().NbBatonnets, 21);
    const QImage board = picture("plateau21");
    for (int i = 0; i <= 20; ++i)
        QCOMPARE(w.f.stickLeft(i), 15.0f + 40.0f * i);
    while (w.game.module().NbBatonnets > 1)
        take(w, 1);
    QCOMPARE(w.f.resultat()->caption(), QString::fromUtf8(texts::JaiGagne));
    QVERIFY(labelShows(w, qRgb(192, 0, 0)));
    QVERIFY(w.f.jouer()->isEnabled());
    checkSticksOnScreen(w, board);
}

void TstPartie::computerStartsAndNextGameRealigns() {
    Fenetre w;
    w.click(w.f.debut(1));
    w.click(w.f.jouer());
    QCOMPARE(w.game.module().NbBatonnets, 17);
    QCOMPARE(w.f.resultat()->caption(), QString::fromUtf8(texts::AVousDeJouer));
    w.click(w.leftmostInPlay());
    QVERIFY(w.f.joue()->isEnabled());
    // Abandon mid-turn for the 20-stick game the player opens.
    w.click(w.f.debut(0));
    QVERIFY(w.f.jouer()->isEnabled());
    w.click(w.f.jouer());
    QVERIFY(!w.f.joue()->isEnabled()); // nothing taken yet, nothing to confirm
    QCOMPARE(w.game.module().NbBatonnets, 20);
    for (int i = 0; i <= 20; ++i)
        QCOMPARE(w.f.stickTop(i), 36.0f);
    QCOMPARE(w.f.lidLeft(), 857.0f);
    checkSticksOnScreen(w, picture("plateau20"));
}

QTEST_MAIN(TstPartie)
#include "tst_partie.moc"
