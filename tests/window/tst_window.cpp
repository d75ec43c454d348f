// The real window on the offscreen platform: its layout, stacking, pictures and the
// lid, checked on widgets and on the pixels that reach the screen.
#include <QAbstractButton>
#include <QApplication>
#include <QImageReader>
#include <QTest>

#include "GradientButton.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "StatusLabel.h"
#include "WindowFixture.h"
#include "game/Texts.h"

using namespace batonnets;
using namespace batonnets::test;

class TstWindow : public QObject {
    Q_OBJECT
  private slots:
    void controlsAsLaidOut_data();
    void controlsAsLaidOut();
    void windowAndStartUp();
    void stackingBeforeTheFirstGame();
    void optionGroups();
    void focusOrder();
    void pictures_data();
    void pictures();
    void icon();
    void boardGeometry_data();
    void boardGeometry();
    void lidOpensAndCloses();
    void closedLidTakesNoStick();
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
    Fenetre w;
    auto* c = w.f.findChild<QWidget*>(name);
    QVERIFY(c);
    QCOMPARE(QRect(c->mapTo(&w.f, QPoint(0, 0)), c->size()), place);
    QCOMPARE(c->isEnabled(), enabled);
    QVERIFY(c->isVisible());
    if (auto* b = qobject_cast<QAbstractButton*>(c)) QCOMPARE(b->text(), caption);
}

void TstWindow::windowAndStartUp() {
    Fenetre w;
    QCOMPARE(w.f.windowTitle(), QString::fromUtf8("Jeu des bâtonnets - Vendrix34 -  v 1.0"));
    QCOMPARE(w.f.size(), QSize(857, 429));
    QCOMPARE(w.f.minimumSize(), w.f.maximumSize());
    QVERIFY(!w.f.windowIcon().isNull());
    QCOMPARE(w.f.resultat()->caption(), QString());
    QCOMPARE(w.f.resultat()->foreColor(), QColor(0, 128, 0));
    QCOMPARE(w.f.debut(0)->value(), 1);
    QCOMPARE(w.f.force(0)->value(), 1);
    QCOMPARE(w.game.module().NbPrisJoueur, 3);
    for (int i = 0; i <= 20; ++i) {
        QVERIFY(w.f.batonnet(i)->isVisible());
        QCOMPARE(w.f.stickLeft(i), 18.0f + 42.0f * i);
        QCOMPARE(w.f.stickTop(i), 36.0f);
    }
    // A later show (the player came back to the window) creates nothing again.
    w.f.hide();
    w.f.show();
    QCOMPARE(w.f.findChildren<PictureBox*>().size(), 22); // 21 sticks and the lid
}

void TstWindow::stackingBeforeTheFirstGame() {
    Fenetre w;
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
}

void TstWindow::optionGroups() {
    Fenetre w;
    struct Step {
        OptionButton* click;
        int force0, force1, debut0, debut1;
    };
    const Step steps[] = {{w.f.force(1), 0, 1, 1, 0},
                          {w.f.debut(1), 0, 1, 0, 1},
                          {w.f.debut(1), 0, 1, 0, 1},
                          {w.f.force(0), 1, 0, 0, 1}};
    for (const Step& st : steps) {
        w.click(st.click);
        QCOMPARE(w.f.force(0)->value(), st.force0);
        QCOMPARE(w.f.force(1)->value(), st.force1);
        QCOMPARE(w.f.debut(0)->value(), st.debut0);
        QCOMPARE(w.f.debut(1)->value(), st.debut1);
        QCOMPARE(w.game.module().OptionModifiee, True16);
    }
}

void TstWindow::focusOrder() {
    Fenetre w;
    QApplication::setActiveWindow(&w.f);
    w.f.force(0)->setFocus();
    const QWidget* expected[] = {w.f.force(1),  w.f.debut(0), w.f.debut(1), w.f.jouer(),
                                 w.f.quitter(), w.f.fermer(), w.f.ouvrir(), w.f.force(0)};
    // "Validez votre coup" is disabled before a game and is skipped.
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TstWindow::pictures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("plateau20") << "plateau20" << QSize(857, 327);
    QTest::newRow("plateau21") << "plateau21" << QSize(857, 327);
    QTest::newRow("couvercle") << "couvercle" << QSize(857, 286);
    QTest::newRow("batonnet") << "batonnet" << QSize(24, 252);
}

void TstWindow::pictures() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QCOMPARE(QImage(":/assets/" + name + ".jpg").size(), size);
    QCOMPARE(QImage(":/assets/" + name + "@2x.jpg").size(), size * 2);
}

void TstWindow::icon() {
    QImageReader ico(QStringLiteral(":/assets/batonnets.ico"));
    QCOMPARE(ico.imageCount(), 6);
    const QSize sizes[] = {{16, 16}, {24, 24}, {16, 16}, {48, 48}, {32, 32}, {16, 16}};
    for (int k = 0; k < 6; ++k) {
        QVERIFY(ico.jumpToImage(k));
        QCOMPARE(ico.read().size(), sizes[k]);
    }
}

void TstWindow::boardGeometry_data() {
    QTest::addColumn<QString>("board");
    QTest::addColumn<int>("firstStick");
    QTest::addColumn<int>("stickStep");
    QTest::addColumn<QList<int>>("lines"); // left edges of the dividing lines
    QList<int> l20, l21{6};
    for (int k = 0; k <= 20; ++k) {
        l20 << 6 + 42 * k;
        l21 << 43 + 40 * k;
    }
    QTest::newRow("20") << "plateau20" << 18 << 42 << l20;
    QTest::newRow("21") << "plateau21" << 15 << 40 << l21;
}

// The dividing lines are light tan, 4 px wide, from y 63 to 265; the slots run from y
// 52 to 275; every stick of the matching row stands between two lines.
void TstWindow::boardGeometry() {
    QFETCH(QString, board);
    QFETCH(int, firstStick);
    QFETCH(int, stickStep);
    QFETCH(QList<int>, lines);
    const QImage img = picture(board.toLatin1().constData());
    // Tan: bright, and much redder than blue (the slots' lit edges are greyer).
    const auto isLine = [&](int x, int y) {
        const QRgb c = img.pixel(x, y);
        return qRed(c) > 0x88 && qRed(c) - qBlue(c) > 0x3C;
    };
    const auto isSlot = [&](int x, int y) {
        return qRed(img.pixel(x, y)) - qGreen(img.pixel(x, y)) < 0x20;
    };
    for (int y : {64, 150, 264}) {
        QList<int> starts;
        // The board's own bevelled rim, at the outer few columns, is not a line.
        for (int x = 3; x < img.width() - 4; ++x) {
            if (!isLine(x, y) || isLine(x - 1, y)) continue;
            int w = 0;
            while (x + w < img.width() && isLine(x + w, y))
                ++w;
            QVERIFY2(w >= 3 && w <= 5,
                     qPrintable(QString("line at %1,%2 is %3 px").arg(x).arg(y).arg(w)));
            starts << x;
        }
        QCOMPARE(starts.size(), lines.size());
        for (int k = 0; k < lines.size(); ++k)
            QVERIFY(qAbs(starts[k] - lines[k]) <= 1);
    }
    for (int x : lines) {
        QVERIFY(!isLine(x + 1, 61));
        QVERIFY(!isLine(x + 1, 267));
    }
    for (int k = 0; k + 1 < lines.size(); ++k) {
        const int left = firstStick + stickStep * k;
        QVERIFY2(lines[k] + 4 <= left && left + 24 <= lines[k + 1] + 1,
                 qPrintable(QString::number(k)));
        for (int x = left; x < left + 24; ++x)
            QVERIFY(!isLine(x, 150));
        const int mid = left + 12;
        QVERIFY(!isSlot(mid, 50) && isSlot(mid, 52) && isSlot(mid, 160) && isSlot(mid, 275));
        QVERIFY(!isSlot(mid, 277));
    }
}

void TstWindow::lidOpensAndCloses() {
    Fenetre w;
    const QImage board = picture("plateau20");
    const QImage stick = picture("batonnet");
    w.click(w.f.ouvrir());
    QCOMPARE(w.f.lidLeft(), 857.0f);
    QCOMPARE(w.f.couvercle()->geometry().left(), 857);
    QImage s = w.screen();
    for (int k = 0; k < 20; ++k) {
        const int x = 18 + 42 * k;
        QCOMPARE(s.pixel(x + 12, 160), stick.pixel(12, 124));   // the stick in its slot
        QCOMPARE(s.pixel(x - 8, 160), board.pixel(x - 8, 160)); // the board between sticks
    }
    QCOMPARE(s.pixel(850, 160), board.pixel(850, 160)); // no stick 21 on the 20-slot board
    w.click(w.f.fermer());
    QCOMPARE(w.f.lidLeft(), 0.0f);
    s = w.screen();
    const QImage lid = picture("couvercle");
    for (int x : {5, 300, 600, 856})
        QCOMPARE(s.pixel(x, 200), lid.pixel(x, 172));
}

void TstWindow::closedLidTakesNoStick() {
    Fenetre w;
    w.click(w.f.jouer());
    QCOMPARE(w.f.resultat()->caption(), QString::fromUtf8(texts::AVousDeJouer));
    w.click(w.f.fermer());
    w.click(QPoint(18 + 12, 150));
    QCOMPARE(w.f.stickTop(0), 36.0f);
    QCOMPARE(w.game.module().NbBatonnets, 20);
    w.click(w.f.ouvrir());
    w.click(QPoint(18 + 12, 150));
    QCOMPARE(w.f.stickTop(0), 290.0f);
    QVERIFY(w.f.joue()->isEnabled());
}

QTEST_MAIN(TstWindow)
#include "tst_window.moc"
