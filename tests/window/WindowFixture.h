// SPDX-License-Identifier: GPL-3.0-or-later
// The real window with the game wired in, shown and active on the offscreen platform, and
// the helpers the window tests share: clicks and keys through the QWindow, and pixels read
// back from what was flushed to the screen.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "BatonnetsWindow.h"
#include "DesktopContrast.h"
#include "Wiring.h"
#include "game/BaseBatonnets.h"

namespace batonnets::test {

using Clock = std::chrono::steady_clock;

// The window on a clock that never waits: the passes run back to back, each noting its
// deadline, so the pace is read from the deadlines, not from a wall clock a busy machine
// stretches; and the pause before the program ends is skipped. With realPace set, each
// pass also takes its period of real time (the deadlines, run ahead, are no guide then).
// Where the computer draws its move, it takes one stick.
class PacedWindow : public BatonnetsWindow {
  public:
    double nextRandom() override { return 0.0; }
    std::vector<Clock::time_point> deadlines;
    bool realPace = false;
    int passes = 0;
    std::function<void(int)> onPass; // called at each pass's end with the passes made so far
    void sleepMs(std::int32_t) override {}
    void pace() override {
        BatonnetsWindow::pace();
        if (onPass) onPass(++passes);
    }

  protected:
    void sleepUntil(Clock::time_point deadline) override {
        deadlines.push_back(deadline);
        if (realPace) std::this_thread::sleep_for(passPeriod());
    }
};

struct GameWindow {
    PacedWindow f;
    BaseBatonnets game{f};

    // Following the desktop's high-contrast setting as main() makes it, if asked.
    explicit GameWindow(bool followingDesktop = false) {
        if (followingDesktop) followDesktopContrast(f);
        wire(f, game);
        f.show();
        QApplication::setActiveWindow(&f);
        if (!QTest::qWaitForWindowActive(&f)) qFatal("window not active");
    }

    void click(QPoint p) { QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, p); }
    void click(QWidget* w) { click(w->mapTo(&f, w->rect().center())); }
    void type(const QKeySequence& keys) { QTest::keySequence(f.windowHandle(), keys); }
    QString focus() const { return qApp->focusWidget() ? qApp->focusWidget()->objectName() : ""; }
    QImage screen() const {
        return f.screen()->grabWindow(f.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
};

inline QImage picture(const QString& name) {
    return QImage(":/assets/" + name + ".jpg").convertToFormat(QImage::Format_RGB32);
}

// A control as assistive technology sees it, its name and its description.
const auto acc = [](QObject* o) { return QAccessible::queryAccessibleInterface(o); };
const auto nameOf = [](QObject* o) { return acc(o)->text(QAccessible::Name); };
const auto descriptionOf = [](QObject* o) { return acc(o)->text(QAccessible::Description); };

// Lets the window handle what was only scheduled (no synchronous repaint).
inline void settle() {
    for (int k = 0; k < 5; ++k)
        QCoreApplication::processEvents();
}

// What the window painted, in the screen's own pixels (two a point on a 2x screen). On the
// offscreen platform QScreen::grabWindow clips to the logical size.
inline QImage devicePixels(const QWidget& w) {
    settle();
    return static_cast<const QImage*>(w.backingStore()->paintDevice())
        ->convertToFormat(QImage::Format_RGB32);
}

// Where a control lies in the window's device pixels.
inline QRect devicePlace(const QWidget* c) {
    const qreal dpr = c->devicePixelRatioF();
    const QRect r(c->mapTo(c->window(), QPoint(0, 0)), c->size());
    return QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr).toAlignedRect();
}

} // namespace batonnets::test
