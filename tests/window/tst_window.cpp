// The real window on the offscreen platform: its layout, stacking, the lid, and a game
// clicked through it, checked on the widgets and on the pixels that reach the screen.
#include <QAbstractButton>
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
bool labelShows(const GameWindow& w, QRgb colour) {
    const QImage s = w.screen().copy(384, 344, 315, 42);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) == colour) return true;
    return false;
}

// Every stick is shown where its state says: in the row, down, or up out of the window.
void checkSticksOnScreen(const GameWindow& w, const QImage& board) {
    const QImage s = w.screen();
    const QImage stick = picture("batonnet");
    for (int i = 0; i <= 20; ++i) {
        const int x = static_cast<int>(w.f.stickLeft(i)) + 12;
        if (x >= 857) continue;
        const float top = w.f.stickTop(i);
        const int seenAt = top == 36.0f ? 160 : top == 290.0f ? 300 : 20;
        QCOMPARE(s.pixel(x, seenAt), stick.pixel(12, seenAt - static_cast<int>(top)));
        if (top != 36.0f) QCOMPARE(s.pixel(x, 160), board.pixel(x, 160)); // its slot is empty
    }
}

} // namespace

class TstWindow : public QObject {
    Q_OBJECT
  private slots:
    void controlsAsLaidOut_data();
    void controlsAsLaidOut();
    void beforeTheFirstGame();
    void lidOpensAndCloses();
    void sticksTakenOnlyByAWholeClickOnTheOpenBoard();
    void computerWinsOnTwentyOne();
};

void TstWindow::controlsAsLaidOut_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    const auto row = [](const char* n, QRect r, const char* c, bool e = true) {
        QTest::newRow(n) << QString::fromLatin1(n) << r << QString::fromUtf8(c) << e;
    };
    row("vkFrame1", {12, 344, 111, 77}, "");
    row("Force0", {24, 368, 89, 23}, texts::Normale);
    row("Force1", {24, 390, 89, 23}, texts::Expert);
    row("Couvercle", {0, 28, 857, 286}, "");
    row("Resultat", {384, 344, 315, 42}, "");
    row("Jouer", {260, 384, 111, 37}, texts::Jouer);
    row("vkFrame2", {128, 344, 119, 77}, "");
    row("Debut1", {140, 390, 101, 23}, texts::Ordinateur);
    row("Debut0", {140, 368, 101, 23}, texts::Joueur);
    row("Quitter", {714, 384, 139, 39}, texts::Quitter);
    row("Joue", {384, 388, 317, 33}, texts::Joue, false);
    row("Batonnet0", {18, 36, 24, 252}, "");
    row("Fermer", {714, 344, 139, 37}, texts::Fermer);
    row("Ouvrir", {260, 344, 111, 37}, texts::Ouvrir);
}

void TstWindow::controlsAsLaidOut() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    GameWindow w;
    auto* c = w.f.findChild<QWidget*>(name);
    QVERIFY(c);
    QCOMPARE(QRect(c->mapTo(&w.f, QPoint(0, 0)), c->size()), place);
    QCOMPARE(c->isEnabled(), enabled);
    QVERIFY(c->isVisible());
    if (auto* b = qobject_cast<QAbstractButton*>(c)) QCOMPARE(b->text(), caption);
}

void TstWindow::beforeTheFirstGame() {
    GameWindow w;
    QCOMPARE(w.f.windowTitle(), QString::fromUtf8(texts::WindowTitle));
    QCOMPARE(w.f.size(), QSize(857, 429));
    QCOMPARE(w.f.minimumSize(), w.f.maximumSize());
    const QImage lid = picture("couvercle");
    const QImage s = w.screen();
    // The closed lid hides the board and every stick.
    for (QPoint p : {QPoint(30, 150), QPoint(400, 100), QPoint(830, 300)})
        QCOMPARE(s.pixel(p), lid.pixel(p - QPoint(0, 28)));
    // Stick 20 stands one pixel beyond the client area.
    QCOMPARE(w.f.batonnet(20)->geometry().left(), 858);
    // The band below the board shows the window's colour where no control stands.
    for (QPoint p : {QPoint(5, 335), QPoint(420, 330), QPoint(252, 400), QPoint(5, 428),
                     QPoint(705, 370), QPoint(856, 380)})
        QCOMPARE(s.pixel(p), qRgb(128, 64, 64));
    // The two option groups are apart: a choice in one leaves the other as it was.
    w.click(w.f.force(1));
    w.click(w.f.debut(1));
    QCOMPARE(w.f.force(0)->value() * 10 + w.f.force(1)->value(), 1);
    QCOMPARE(w.f.debut(0)->value() * 10 + w.f.debut(1)->value(), 1);
    // A later show (the player came back to the window) creates nothing again.
    w.f.hide();
    w.f.show();
    QCOMPARE(w.f.findChildren<PictureBox*>().size(), 22); // 21 sticks and the lid
}

void TstWindow::lidOpensAndCloses() {
    GameWindow w;
    const QImage board = picture("plateau20");
    const QImage stick = picture("batonnet");
    w.click(w.f.ouvrir());
    QCOMPARE(w.f.couvercle()->geometry().left(), 857);
    QImage s = w.screen();
    for (int k = 0; k < 20; ++k) {
        const int x = 18 + 42 * k;
        QCOMPARE(s.pixel(x + 12, 160), stick.pixel(12, 124));   // the stick in its slot
        QCOMPARE(s.pixel(x - 8, 160), board.pixel(x - 8, 160)); // the board between sticks
    }
    QCOMPARE(s.pixel(850, 160), board.pixel(850, 160)); // no stick 21 on the 20-slot board
    w.click(w.f.fermer());
    s = w.screen();
    const QImage lid = picture("couvercle");
    for (int x : {5, 300, 600, 856})
        QCOMPARE(s.pixel(x, 200), lid.pixel(x, 172));
}

// A stick is taken by a press and a release on it, on the open board, as a button is:
// not through the closed lid, and not when the player slides off it before letting go.
void TstWindow::sticksTakenOnlyByAWholeClickOnTheOpenBoard() {
    GameWindow w;
    w.click(w.f.jouer());
    QCOMPARE(w.f.resultat()->caption(), QString::fromUtf8(texts::AVousDeJouer));
    QVERIFY(labelShows(w, qRgb(0, 128, 0)));
    const QPoint stick0(18 + 12, 150), beside(18 + 12 + 30, 150);
    w.click(w.f.fermer());
    w.click(stick0);
    QCOMPARE(w.f.stickTop(0), 36.0f);
    w.click(w.f.ouvrir());
    QTest::mousePress(w.f.windowHandle(), Qt::LeftButton, {}, stick0);
    QTest::mouseMove(w.f.windowHandle(), beside);
    QTest::mouseRelease(w.f.windowHandle(), Qt::LeftButton, {}, beside);
    QCOMPARE(w.f.stickTop(0), 36.0f);
    QCOMPARE(w.f.stickTop(1), 36.0f);
    w.click(stick0);
    QCOMPARE(w.f.stickTop(0), 290.0f);
    QCOMPARE(w.game.module().NbBatonnets, 19);
    QVERIFY(w.f.joue()->isEnabled());
}

void TstWindow::computerWinsOnTwentyOne() {
    GameWindow w;
    w.click(w.f.force(1));
    w.click(w.f.jouer());
    QCOMPARE(w.game.module().NbBatonnets, 21);
    for (int i = 0; i <= 20; ++i)
        QCOMPARE(w.f.stickLeft(i), 15.0f + 40.0f * i);
    while (w.game.module().NbBatonnets > 1) {
        w.click(w.leftmostInPlay());
        w.click(w.f.joue());
    }
    QCOMPARE(w.f.resultat()->caption(), QString::fromUtf8(texts::JaiGagne));
    QVERIFY(labelShows(w, qRgb(192, 0, 0)));
    QVERIFY(w.f.jouer()->isEnabled());
    checkSticksOnScreen(w, picture("plateau21"));
}

QTEST_MAIN(TstWindow)
#include "tst_window.moc"
