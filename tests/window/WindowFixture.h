// The real window with the game wired in, shown on the offscreen platform at full
// speed, and the helpers the window tests share: clicks through the QWindow, and pixels
// read back from what was flushed to the screen.
#pragma once

#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "BatonnetsWindow.h"
#include "Wiring.h"
#include "game/BaseBatonnets.h"

namespace batonnets::test {

struct GameWindow {
    BatonnetsWindow f;
    BaseBatonnets game{f};

    GameWindow() {
        wire(f, game);
        f.setPassPeriod(std::chrono::microseconds(0));
        f.show();
        if (!QTest::qWaitForWindowExposed(&f)) qFatal("window not exposed");
    }

    void click(QPoint p) { QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, p); }
    void click(QWidget* w) { click(w->mapTo(&f, w->rect().center())); }

    QImage screen() const {
        return f.screen()->grabWindow(f.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    QRgb pixel(QPoint p) const { return screen().pixel(p); }

    // Where the player clicks to take the leftmost stick still in play.
    QPoint leftmostInPlay() const {
        for (int i = 0; i <= 20; ++i)
            if (f.stickTop(i) == 36.0f && f.stickLeft(i) < 857.0f)
                return {static_cast<int>(f.stickLeft(i)) + 12, 150};
        return {-1, -1};
    }
};

inline QImage picture(const char* name) {
    return QImage(QStringLiteral(":/assets/%1.jpg").arg(QLatin1String(name)))
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace batonnets::test
