// SPDX-License-Identifier: GPL-3.0-or-later
// What the real window puts on the screen, read from what was flushed: its layout, the
// lid's slides at the game's pace, the fast paint paths, the status line, and the 2x
// pictures on a high-density screen.
#include <QBackingStore>
#include <QGuiApplication>
#include <QTest>

#include "GradientButton.h"
#include "PictureBox.h"
#include "WindowFixture.h"

using namespace batonnets;
using namespace batonnets::test;

namespace {

// What a whole new paint shows: a board change composes the backdrop afresh, so swap the
// board out and back.
QImage afresh(GameWindow& w) {
    const Board p = w.f.board();
    for (Board b : {p == Board::Twenty ? Board::TwentyOne : Board::Twenty, p}) {
        w.f.setBoard(b);
        w.f.repaintWindow();
        w.f.flushFrame();
    }
    return w.screen();
}

// Counts the paint events of the widgets it watches.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

// Mean difference, per colour channel, between the window's `area` (logical) as last put
// on the screen and the 2x picture brought to the screen's scale from `origin` (logical)
// on; a margin of two device pixels is left out, where neighbours blend. Read from the
// backing store: on the offscreen platform QScreen::grabWindow clips to the logical size.
double meanDifference(const BatonnetsWindow& f, const char* name, QRect area, QPoint origin) {
    const qreal scale = qGuiApp->devicePixelRatio();
    settle();
    const QImage screen = static_cast<const QImage*>(f.backingStore()->paintDevice())
                              ->convertToFormat(QImage::Format_RGB32);
    const QImage hd = picture(QString::fromLatin1(name) + QStringLiteral("@2x"));
    const QImage expected =
        hd.scaled(hd.size() * scale / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QPoint at = (QPointF(area.topLeft()) * scale).toPoint(),
                 from = (QPointF(origin) * scale).toPoint();
    long total = 0, n = 0;
    for (int y = 2; y < area.height() * scale - 2; ++y)
        for (int x = 2; x < area.width() * scale - 2; ++x, ++n) {
            const QRgb a = screen.pixel(at + QPoint(x, y)), b = expected.pixel(from + QPoint(x, y));
            total +=
                qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
        }
    return n ? double(total) / (3.0 * n) : 255.0;
}

} // namespace

class TstWindow : public QObject {
    Q_OBJECT
  private slots:
    // Where every control stands, and the closed lid over the board; then the status line's
    // cached face drawn again for a new text, and for a new colour alone.
    void beforeTheFirstGame() {
        GameWindow w;
        const std::pair<const char*, QRect> places[] = {
            {"vkFrame1", {12, 344, 111, 77}},  {"Force0", {24, 368, 89, 23}},
            {"Force1", {24, 390, 89, 23}},     {"Couvercle", {0, 28, 857, 286}},
            {"Resultat", {384, 344, 315, 42}}, {"Jouer", {260, 384, 111, 37}},
            {"vkFrame2", {128, 344, 119, 77}}, {"Debut1", {140, 390, 101, 23}},
            {"Debut0", {140, 368, 101, 23}},   {"Quitter", {714, 384, 139, 39}},
            {"Joue", {384, 388, 317, 33}},     {"Batonnet0", {18, 36, 24, 252}},
            {"Fermer", {714, 344, 139, 37}},   {"Ouvrir", {260, 344, 111, 37}}};
        for (const auto& [name, place] : places) {
            auto* c = w.f.findChild<QWidget*>(name);
            QVERIFY2(c && c->isVisible(), name);
            QCOMPARE(QRect(c->mapTo(&w.f, QPoint(0, 0)), c->size()), place);
        }
        const QImage s = w.screen(), lid = picture("couvercle");
        for (QPoint p : {QPoint(30, 150), QPoint(400, 100), QPoint(830, 300)})
            QCOMPARE(s.pixel(p), lid.pixel(p - QPoint(0, 28)));
        const std::pair<const char*, Color> steps[] = {
            {"A vous de jouer...", Green}, {"Perdu !", Green}, {"Perdu !", DarkRed}};
        const QRect line(384, 344, 315, 42);
        QImage before = w.screen().copy(line);
        for (const auto& [text, colour] : steps) {
            w.f.setResultatText(text);
            w.f.setResultatColor(colour);
            settle();
            const QImage now = w.screen().copy(line);
            QVERIFY2(now != before, text);
            before = now;
        }
    }

    // Each slide makes 858 passes at the period that makes it last a second. Here they run
    // back to back, far faster than any screen: a handful of frames, and the slide's last pass
    // on screen as soon as it returns (the closing repaints the lid alone).
    void theLidAtTheGamesPace() {
        GameWindow w;
        PaintCounter counter;
        w.f.installEventFilter(&counter);
        w.f.couvercle()->installEventFilter(&counter);
        const QImage board = picture("plateau20"), lid = picture("couvercle");
        for (const bool open : {true, false}) {
            w.f.deadlines.clear();
            counter.paints = 0;
            open ? w.game.onOuvrir() : w.game.onFermer();
            const double seconds =
                std::chrono::duration<double>(w.f.deadlines.back() - w.f.deadlines.front()).count();
            QVERIFY2(seconds >= 0.95 && seconds <= 1.05, qPrintable(QString::number(seconds)));
            QVERIFY2(counter.paints <= 858 / 4, qPrintable(QString::number(counter.paints)));
            QCOMPARE(w.screen().pixel(852, 160),
                     open ? board.pixel(852, 160) : lid.pixel(852, 132));
        }
    }

    // The backdrop the window keeps composed and only patches where a stick changed, and the
    // lid-only repaint, show what a whole new paint shows.
    void asAWholeNewPaint() {
        GameWindow w;
        BatonnetsWindow& f = w.f;
        const auto check = [&w](const char* what) {
            const QImage shown = w.screen(); // before afresh() paints anew
            QVERIFY2(shown == afresh(w), what);
        };
        f.moveLid(430.0f); // halfway open, from closed
        f.repaintLid();
        f.flushFrame();
        // The board shows up to the lid's edge.
        QCOMPARE(w.screen().pixel(429, 200), picture("plateau20").pixel(429, 200));
        check("lid-only repaint");
        w.game.onOuvrir();
        f.moveStick(5, f.stickLeft(5), 120.0f);
        settle();
        check("stick moved, repaint only scheduled");
        // The whole new paints above rest on a board change being seen.
        f.setBoard(Board::TwentyOne);
        f.repaintWindow();
        f.flushFrame();
        // At x = 49 a dividing line on one board, a slot on the other.
        QCOMPARE(w.screen().pixel(49, 160), picture("plateau21").pixel(49, 160));
    }

    // Under QT_SCALE_FACTOR=2 the window is drawn from the 2x pictures pixel for pixel, under
    // 1.5 from them brought down to that scale.
    void highDensity() {
        const qreal scale = qGuiApp->devicePixelRatio();
        if (scale == 1.0) QSKIP("the tst_hidpi runs set QT_SCALE_FACTOR");
        GameWindow w;
        const auto check = [&](const char* name, QRect area, QPoint origin = {}) {
            const double d = meanDifference(w.f, name, area, origin);
            QVERIFY2(scale == 2.0 ? d == 0.0 : d < 8.0, qPrintable(QString::number(d)));
        };
        check("couvercle", {0, 28, 857, 286}); // closed
        w.click(w.f.jouer());                  // the lid opens on a new game
        // Between sticks 9 and 10 the board shows from top to bottom, with the dividing rod at
        // x = 426: 4 pixels wide, so 8 device pixels shaded one by one on a 2x screen.
        check("plateau20", {420, 0, 18, 327}, {420, 0});
        check("batonnet", {18, 36, 24, 252});
    }
};

QTEST_MAIN(TstWindow)
#include "tst_window.moc"
