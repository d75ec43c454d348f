// The window's fast paint paths, checked on the pixels that reach the screen: the
// backdrop of colour, board and sticks the window keeps composed and patches where a
// stick changed, the lid-only repaint, the backdrop left out under the lid, and the
// button faces laid on the window's colour.
#include <QTest>

#include "PictureBox.h"
#include "VkCommand.h"
#include "WindowFixture.h"

using namespace batonnets;
using namespace batonnets::test;

namespace {

constexpr QRgb Fond = qRgb(128, 64, 64);

int slot(int k) { return 18 + 42 * k + 12; } // middle of stick k of the 20-stick row

// Lets the window handle what was only scheduled (no synchronous repaint).
void laisser() {
    for (int k = 0; k < 5; ++k) QCoreApplication::processEvents();
}

} // namespace

class TstPainting : public QObject {
    Q_OBJECT
private slots:
    void stickMovedWithoutRepaint();
    void stickHiddenAndShownAgain();
    void stickHangingBelowTheBoard();
    void lidOnlyRepaintUncoversTheRow();
    void wholeWindowWithTheLidHalfOpen();
    void buttonCornersOnTheWindowColour();
};

// A stick moved with no repaint of the window asked for is still redrawn at its new
// place, and the board comes back where it stood.
void TstPainting::stickMovedWithoutRepaint() {
    Fenetre w;
    w.click(w.f.ouvrir());
    const QImage board = picture("plateau20");
    const QImage stick = picture("batonnet");
    const float left = w.f.stickLeft(5);
    w.f.moveStick(5, left, 120.0f);
    laisser();
    const QImage s = w.screen();
    QCOMPARE(s.pixel(slot(5), 60), board.pixel(slot(5), 60));
    QCOMPARE(s.pixel(slot(5), 300), stick.pixel(12, 180));
    QCOMPARE(s.pixel(slot(6), 60), stick.pixel(12, 24)); // its neighbour untouched
}

void TstPainting::stickHiddenAndShownAgain() {
    Fenetre w;
    w.click(w.f.ouvrir());
    const QImage board = picture("plateau20");
    const QImage stick = picture("batonnet");
    w.f.batonnet(7)->hide();
    laisser();
    QCOMPARE(w.pixel({slot(7), 160}), board.pixel(slot(7), 160));
    w.f.showStick(7);
    laisser();
    QCOMPARE(w.pixel({slot(7), 160}), stick.pixel(12, 124));
}

// A stick taken by the player hangs below the board, over the window's colour, and
// leaves the colour behind when it comes back.
void TstPainting::stickHangingBelowTheBoard() {
    Fenetre w;
    w.click(w.f.ouvrir());
    const QImage stick = picture("batonnet");
    const float left = w.f.stickLeft(0);
    w.f.moveStick(0, left, 290.0f);
    w.f.repaintWindow();
    QCOMPARE(w.pixel({slot(0), 335}), stick.pixel(12, 335 - 290));
    w.f.moveStick(0, left, 36.0f);
    w.f.repaintWindow();
    QCOMPARE(w.pixel({slot(0), 335}), Fond);
    QCOMPARE(w.pixel({slot(0), 160}), stick.pixel(12, 124));
}

// The lid-only repaint paints the lid alone, yet the strip the lid has just left must
// show the board and the sticks standing there.
void TstPainting::lidOnlyRepaintUncoversTheRow() {
    Fenetre w;
    const QImage board = picture("plateau20");
    const QImage stick = picture("batonnet");
    const QImage lid = picture("couvercle");
    w.f.moveLid(430.0f);
    w.f.repaintLid();
    const QImage s = w.screen();
    for (int k : {0, 4, 9}) QCOMPARE(s.pixel(slot(k), 160), stick.pixel(12, 124));
    QCOMPARE(s.pixel(slot(4) - 12 - 8, 160), board.pixel(slot(4) - 12 - 8, 160));
    QCOMPARE(s.pixel(700, 200), lid.pixel(700 - 430, 172));
    // The lid counts as opaque for that one repaint only.
    QVERIFY(!w.f.couvercle()->testAttribute(Qt::WA_OpaquePaintEvent));
}

// A whole-window repaint leaves the board out under the lid and paints everything else.
void TstPainting::wholeWindowWithTheLidHalfOpen() {
    Fenetre w;
    const QImage board = picture("plateau20");
    const QImage stick = picture("batonnet");
    const QImage lid = picture("couvercle");
    w.f.moveLid(430.0f); // its edge between sticks 9 and 10
    w.f.repaintWindow();
    const QImage s = w.screen();
    QCOMPARE(s.pixel(slot(3), 160), stick.pixel(12, 124));
    QCOMPARE(s.pixel(slot(3) + 20, 160), board.pixel(slot(3) + 20, 160));
    QCOMPARE(s.pixel(500, 10), board.pixel(500, 10));   // above the lid
    QCOMPARE(s.pixel(500, 320), board.pixel(500, 320)); // below it, still on the board
    QCOMPARE(s.pixel(429, 200), board.pixel(429, 200));
    QCOMPARE(s.pixel(430, 200), lid.pixel(0, 172));
    QCOMPARE(s.pixel(slot(15), 160), lid.pixel(slot(15) - 430, 132)); // a stick under it
    QCOMPARE(s.pixel(420, 330), Fond);
}

// The buttons' rounded corners show the window's colour around them.
void TstPainting::buttonCornersOnTheWindowColour() {
    Fenetre w;
    for (VkCommand* c : {w.f.jouer(), w.f.ouvrir(), w.f.fermer(), w.f.quitter(), w.f.joue()}) {
        const QRect g = c->geometry();
        const QImage s = w.screen();
        QCOMPARE(s.pixel(g.topLeft()), Fond);
        QCOMPARE(s.pixel(g.bottomRight()), Fond);
        QVERIFY(s.pixel(g.center()) != Fond);
    }
}

QTEST_MAIN(TstPainting)
#include "tst_painting.moc"
