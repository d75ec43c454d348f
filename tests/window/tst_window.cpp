// SPDX-License-Identifier: GPL-3.0-or-later
// What the real window puts on the screen, read from what was flushed, and tells assistive
// technology: its layout and roles, the lid's slides at the game's pace, even on a display that
// stops answering, the fast paint paths, the status line, and the 2x pictures on a
// high-density screen.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>

#include "GradientButton.h"
#include "WindowFixture.h"

using namespace batonnets;
using namespace batonnets::test;

namespace {

// Counts the frames, the window's paint events. Made silent, it withholds the platform's
// answers to the window's frame requests, as a compositor does for a window it hides or
// minimises.
struct PaintCounter : QObject {
    int paints = 0;
    bool silent = false;
    bool eventFilter(QObject* o, QEvent* e) override {
        paints += e->type() == QEvent::Paint && qobject_cast<BatonnetsWindow*>(o);
        return silent && e->type() == QEvent::UpdateRequest && o->isWindowType();
    }
};

} // namespace

class TstWindow : public QObject {
    Q_OBJECT
  private slots:
    // Where every control stands and what assistive technology is told of it: its role, and
    // for an option whether it is selected (the first of each group); tst_language checks
    // the names. Then the message in the colour the game asks for (0x00BBGGRR), read from
    // the solid pixels of its letters: green, then dark red, each drawn again on the status
    // line's cached face.
    void beforeTheFirstGame() {
        GameWindow w;
        using A = QAccessible;
        const std::tuple<const char*, QRect, A::Role> parts[] = {
            {"vkFrame1", {12, 344, 111, 77}, A::Grouping},
            {"Force0", {24, 368, 89, 23}, A::RadioButton},
            {"Force1", {24, 390, 89, 23}, A::RadioButton},
            {"vkFrame2", {128, 344, 119, 77}, A::Grouping},
            {"Debut0", {140, 368, 101, 23}, A::RadioButton},
            {"Debut1", {140, 390, 101, 23}, A::RadioButton},
            {"Resultat", {384, 344, 315, 42}, A::StatusBar},
            {"Joue", {384, 388, 317, 33}, A::Button},
            {"Ouvrir", {260, 344, 111, 37}, A::Button},
            {"Jouer", {260, 384, 111, 37}, A::Button},
            {"Fermer", {714, 344, 139, 37}, A::Button},
            {"Quitter", {714, 384, 139, 39}, A::Button},
            {"Couvercle", {0, 28, 857, 286}, A::Graphic},
            {"Batonnet0", {18, 36, 24, 252}, A::Button}};
        for (const auto& [name, place, role] : parts) {
            auto* c = w.f.findChild<QWidget*>(name);
            QVERIFY2(c && c->isVisible(), name);
            QCOMPARE(QRect(c->mapTo(&w.f, QPoint(0, 0)), c->size()), place);
            const QAccessibleInterface* a = acc(c);
            QCOMPARE(a->role(), role);
            QCOMPARE(bool(a->state().checked),
                     role == A::RadioButton && QByteArray(name).endsWith('0'));
        }
        QCOMPARE(acc(&w.f)->role(), A::Window);
        const auto inked = [&](QColor c) {
            const QImage line = w.screen().copy(384, 344, 315, 42);
            const auto* p = reinterpret_cast<const QRgb*>(line.constBits()); // rows unpadded
            return std::count(p, p + line.width() * line.height(), c.rgb());
        };
        const QColor green(0, 128, 0), darkRed(192, 0, 0);
        QCOMPARE(inked(green), 0);
        w.f.setResultatText("Perdu !");
        settle();
        QVERIFY(inked(green) >= 100 && inked(darkRed) == 0); // 383 here
        w.f.setResultatColor(DarkRed);
        settle();
        QVERIFY(inked(darkRed) >= 100 && inked(green) == 0);
    }

    // Each slide makes 858 passes at the period that makes it last a second. Here they run
    // back to back, far faster than any screen: a handful of frames, and the slide's last pass
    // on screen as soon as it returns (the closing repaints the lid alone).
    void theLidAtTheGamesPace() {
        GameWindow w;
        PaintCounter counter;
        qApp->installEventFilter(&counter);
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
        // A display that no longer answers gets a frame every 100 ms of the second an opening
        // lasts, no more (one, the last, when the window waits for its answers), and the
        // opened board at its end.
        counter.silent = w.f.realPace = true;
        counter.paints = 0;
        QElapsedTimer opening;
        opening.start();
        w.game.onOuvrir();
        QVERIFY2(counter.paints >= 5 && counter.paints <= opening.elapsed() / 100 + 3,
                 qPrintable(QString("%1 in %2 ms").arg(counter.paints).arg(opening.elapsed())));
        QCOMPARE(w.screen().pixel(852, 160), board.pixel(852, 160));
    }

    // The backdrop the window keeps composed and only patches where a stick moved (the
    // repaint only scheduled) shows what a whole new paint shows.
    void asAWholeNewPaint() {
        GameWindow w;
        w.game.onOuvrir();
        w.f.moveStick(5, w.f.stickLeft(5), 120.0f);
        settle();
        const QImage patched = w.screen();
        // A board change composes the backdrop afresh, as seen at x = 49: a dividing line on
        // one board, a slot on the other. So swap the board out and back.
        w.f.setBoard(Board::TwentyOne);
        w.f.repaint();
        QCOMPARE(w.screen().pixel(49, 160), picture("plateau21").pixel(49, 160));
        w.f.setBoard(Board::Twenty);
        w.f.repaint();
        QCOMPARE(w.screen(), patched);
    }

    // Under QT_SCALE_FACTOR=2 the window is drawn from the 2x pictures pixel for pixel, under
    // 1.5 from them brought down to that scale, not from the 1x ones brought up. Each check
    // takes the mean difference, per colour channel, between the window's `area` (logical) as
    // last put on the screen and a picture brought to the screen's scale as the window draws
    // it (unsmoothed), from `origin` (logical) on, leaving out a margin of two device pixels
    // where neighbours blend. At 1.5 the window lies clearly nearer the 2x pictures (0.5, 1.3
    // and 0 against 2.9, 2.6 and 2.0 from the 1x ones; drawn from the 1x pictures it is the
    // other way round). It reads the backing store: on the offscreen platform
    // QScreen::grabWindow clips to the logical size.
    void highDensity() {
        const qreal scale = qGuiApp->devicePixelRatio();
        if (scale == 1.0) QSKIP("the tst_hidpi runs set QT_SCALE_FACTOR");
        GameWindow w;
        const auto check = [&](const char* name, QRect area, QPoint origin = {}) {
            const QImage screen = devicePixels(w.f);
            const QPoint at = (QPointF(area.topLeft()) * scale).toPoint(),
                         from = (QPointF(origin) * scale).toPoint();
            const auto differenceFrom = [&](const QString& file, qreal ratio) {
                const QImage p = picture(file), expected = p.scaled(p.size() * ratio);
                double total = 0, n = 0;
                for (int y = 2; y < area.height() * scale - 2; ++y)
                    for (int x = 2; x < area.width() * scale - 2; ++x, ++n) {
                        const QRgb a = screen.pixel(at + QPoint(x, y)),
                                   b = expected.pixel(from + QPoint(x, y));
                        total += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                                 qAbs(qBlue(a) - qBlue(b));
                    }
                return total / (3 * n);
            };
            const double hd = differenceFrom(name + QStringLiteral("@2x"), scale / 2),
                         ld = differenceFrom(name, scale);
            QVERIFY2(scale == 2.0 ? hd == 0.0 : hd * 1.5 < ld,
                     qPrintable(QString("%1 from 2x, %2 from 1x").arg(hd).arg(ld)));
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
