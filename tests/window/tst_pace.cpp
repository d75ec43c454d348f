// The game's pace and the display's frames, on the real window: the passes keep the
// period that makes the lid's 858-pass slide last a second, a pass never paints by
// itself, and each animation's last pass is on screen when the animation ends.
#include <QEvent>
#include <QTest>
#include <chrono>
#include <vector>

#include "BatonnetsWindow.h"
#include "PictureBox.h"
#include "WindowFixture.h"

using namespace batonnets;
using namespace batonnets::test;
using Clock = std::chrono::steady_clock;

namespace {

// The window on a clock that never waits: it notes each pass's deadline instead, so
// the pace is read from the deadlines, not from a wall clock a busy machine stretches.
class PacedWindow : public BatonnetsWindow {
  public:
    std::vector<Clock::time_point> deadlines;

  protected:
    void sleepUntil(Clock::time_point deadline) override { deadlines.push_back(deadline); }
};

// Counts the paint events of the widgets it watches: the window, and the lid, which a
// lid-only frame paints alone.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

struct Paced {
    PacedWindow f;
    BaseBatonnets game{f};
    PaintCounter counter;
    Paced() {
        wire(f, game);
        f.installEventFilter(&counter);
        f.couvercle()->installEventFilter(&counter);
        f.show();
        if (!QTest::qWaitForWindowExposed(&f)) qFatal("window not exposed");
    }
    QRgb pixel(QPoint p) const { return f.screen()->grabWindow(f.winId()).toImage().pixel(p); }
};

} // namespace

class TstPace : public QObject {
    Q_OBJECT
  private slots:
    void theLidSlidesInOneSecond();
    void framesFollowTheDisplayAndEndOnTheLastPass();
};

// 858 passes, at one pass period each: their last deadline falls a second, within 5%,
// after the slide began.
void TstPace::theLidSlidesInOneSecond() {
    Paced w;
    const auto start = Clock::now();
    w.game.onOuvrir();
    QVERIFY(!w.f.deadlines.empty());
    const double seconds = std::chrono::duration<double>(w.f.deadlines.back() - start).count();
    QVERIFY2(seconds >= 0.95 && seconds <= 1.05, qPrintable(QString::number(seconds)));
}

// Passes run back to back here (the clock never waits), far faster than any screen: a
// handful of frames for 858 passes, and the slide's end on screen as soon as it returns,
// before anything else runs. A point near the right edge shows the board once the lid is
// fully open, the lid once it is fully closed (the closing repaints the lid alone).
void TstPace::framesFollowTheDisplayAndEndOnTheLastPass() {
    Paced w;
    const QPoint p(852, 200);
    const QRgb board = picture("plateau20").pixel(p);
    const QRgb lid = picture("couvercle").pixel(p - QPoint(0, 28));
    QVERIFY(board != lid);
    QCOMPARE(w.pixel(p), lid);
    for (const bool open : {true, false}) {
        w.counter.paints = 0;
        open ? w.game.onOuvrir() : w.game.onFermer();
        QVERIFY2(w.counter.paints <= 858 / 4, qPrintable(QString::number(w.counter.paints)));
        QCOMPARE(w.pixel(p), open ? board : lid);
    }
}

QTEST_MAIN(TstPace)
#include "tst_pace.moc"
