// The window's fast paint paths, checked on the pixels that reach the screen: the
// backdrop (colour, board and sticks) it keeps composed and only patches where a stick
// changed, and the lid-only repaint, must show what a whole new paint shows; the buttons
// lay their rounded corners on the window's colour.
#include <QTest>

#include "GradientButton.h"
#include "PictureBox.h"
#include "WindowFixture.h"

using namespace batonnets;
using namespace batonnets::test;

namespace {

constexpr QRgb WindowColor = qRgb(128, 64, 64);

// Lets the window handle what was only scheduled (no synchronous repaint).
void settle() {
    for (int k = 0; k < 5; ++k)
        QCoreApplication::processEvents();
}

// What a whole new paint shows: a board change composes the backdrop afresh, so swap
// the board out and back.
QImage afresh(GameWindow& w) {
    const Board p = w.f.board();
    w.f.setBoard(p == Board::Twenty ? Board::TwentyOne : Board::Twenty);
    w.f.repaintWindow();
    w.f.flushFrame();
    w.f.setBoard(p);
    w.f.repaintWindow();
    w.f.flushFrame();
    return w.screen();
}

} // namespace

class TstPainting : public QObject {
    Q_OBJECT
  private slots:
    void asAWholeNewPaint();
    void buttonCornersOnTheWindowColour();
};

// Each change starts from a backdrop composed afresh by the check before.
void TstPainting::asAWholeNewPaint() {
    GameWindow w;
    BatonnetsWindow& f = w.f;
    const auto check = [&w](const char* what) {
        const QImage shown = w.screen();
        QVERIFY2(shown == afresh(w), what);
    };
    w.click(f.ouvrir());
    f.moveStick(5, f.stickLeft(5), 120.0f);
    settle();
    check("stick moved, repaint only scheduled");
    f.batonnet(7)->hide();
    settle();
    check("stick hidden");
    f.moveStick(0, f.stickLeft(0), 290.0f); // hanging below the board, over the colour
    f.repaintWindow();
    f.flushFrame();
    check("stick taken");
    for (bool lidOnly : {false, true}) { // the lid slid halfway open from closed
        f.moveLid(0.0f);
        f.repaintWindow();
        f.flushFrame();
        f.moveLid(430.0f);
        lidOnly ? f.repaintLid() : f.repaintWindow();
        f.flushFrame();
        // Painted up to the lid's edge.
        QCOMPARE(w.pixel({429, 200}), picture("plateau20").pixel(429, 200));
        check(lidOnly ? "lid-only repaint" : "lid half open");
    }
    // The whole new paints above rest on a board change being seen.
    f.setBoard(Board::TwentyOne);
    f.repaintWindow();
    f.flushFrame();
    const QPoint p(49, 160); // a dividing line on one board, a slot on the other
    QVERIFY(picture("plateau21").pixel(p) != picture("plateau20").pixel(p));
    QCOMPARE(w.pixel(p), picture("plateau21").pixel(p));
}

// The buttons' rounded corners show the window's colour around them.
void TstPainting::buttonCornersOnTheWindowColour() {
    GameWindow w;
    const QImage s = w.screen();
    for (GradientButton* c : {w.f.jouer(), w.f.ouvrir(), w.f.fermer(), w.f.quitter(), w.f.joue()}) {
        QCOMPARE(s.pixel(c->geometry().topLeft()), WindowColor);
        QCOMPARE(s.pixel(c->geometry().bottomRight()), WindowColor);
        QVERIFY(s.pixel(c->geometry().center()) != WindowColor);
    }
}

QTEST_MAIN(TstPainting)
#include "tst_painting.moc"
