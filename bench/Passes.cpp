// SPDX-License-Identifier: GPL-3.0-or-later
// Time per animation pass on the real window at full speed, the copy/paint floor in
// the same run, and the passes callgrind counts the instructions of.
#include "Passes.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cstring>
#include <vector>

#include "LiveWindow.h"
#include "Measure.h"

namespace batonnets::bench {

namespace {

constexpr int Largeur = 857;
constexpr int Hauteur = 429;
constexpr int LidSlide = 858; // passes of a whole opening or closing
constexpr int StickSlide = 255;
constexpr int Stick = 5; // a stick in the middle of the row, away from the edges

// The frame-sized buffers the floor works on: a frame image like the window's backing
// store, a full-frame picture to blit into it, and raw bytes for the plain copy.
struct Plancher {
    QImage frame{Largeur, Hauteur, QImage::Format_RGB32};
    QPixmap picture;
    std::vector<unsigned char> from = std::vector<unsigned char>(Largeur * Hauteur * 4, 1);
    std::vector<unsigned char> to = std::vector<unsigned char>(Largeur * Hauteur * 4, 2);
    unsigned sink = 0;

    Plancher() {
        QImage img(Largeur, Hauteur, QImage::Format_RGB32);
        for (int y = 0; y < Hauteur; ++y)
            for (int x = 0; x < Largeur; ++x)
                img.setPixel(x, y, qRgb(x & 255, y & 255, 90));
        picture = QPixmap::fromImage(img);
    }

    void copy(int k) {
        from[static_cast<std::size_t>(k) % from.size()] = static_cast<unsigned char>(k);
        std::memcpy(to.data(), from.data(), to.size());
        sink += to[static_cast<std::size_t>(k * 7919) % to.size()];
    }

    void fillAndBlit() {
        QPainter p(&frame);
        p.fillRect(frame.rect(), QColor(128, 64, 64));
        p.drawPixmap(0, 0, picture);
    }
};

// The three kinds of pass the animations make, each as the game makes it (one control
// moved by one pixel, its repaint kind, the pace), and each shown at once: flushFrame()
// paints every pass, so that a figure is what one frame costs. The game itself paints
// at most one frame a refresh.
void windowLidPasses(BatonnetsWindow& f, int from, int n) {
    for (int k = 0; k < n; ++k) {
        f.moveLid(static_cast<float>(from + k));
        f.repaintWindow();
        f.flushFrame();
        f.pace();
    }
}

void lidPasses(BatonnetsWindow& f, int from, int n) {
    for (int k = 0; k < n; ++k) {
        f.moveLid(static_cast<float>(from - k));
        f.repaintLid();
        f.flushFrame();
        f.pace();
    }
}

// Down by a pixel a pass, and back up once at the bottom.
void windowStickPasses(BatonnetsWindow& f, int n) {
    const float left = f.stickLeft(Stick);
    for (int k = 0; k < n; ++k) {
        const int step = k % (2 * StickSlide);
        const int down = step < StickSlide ? step : 2 * StickSlide - 1 - step;
        f.moveStick(Stick, left, 36.0f + static_cast<float>(down));
        f.repaintWindow();
        f.flushFrame();
        f.pace();
    }
}

void floorPasses(Plancher& pl, int n) {
    for (int k = 0; k < n; ++k)
        pl.fillAndBlit();
}

template <class Passes> double perPass(int n, Passes passes) {
    const auto start = Clock::now();
    passes(n);
    return microsSince(start) / n;
}

} // namespace

// Entry points of their own, so that callgrind can count each kind apart; nothing
// else calls them, the warm-up included.
[[gnu::noinline]] void callgrindFloor(Plancher& pl, int n) {
    floorPasses(pl, n);
}
[[gnu::noinline]] void callgrindWindowLid(BatonnetsWindow& f, int from, int n) {
    windowLidPasses(f, from, n);
}
[[gnu::noinline]] void callgrindLid(BatonnetsWindow& f, int from, int n) {
    lidPasses(f, from, n);
}
[[gnu::noinline]] void callgrindWindowStick(BatonnetsWindow& f, int n) {
    windowStickPasses(f, n);
}

int measurePasses(int loops) {
    LiveWindow<> live(true);
    BatonnetsWindow& f = live.f;
    Plancher pl;
    std::vector<double> copy, fill, windowLid, lid, windowStick;
    std::vector<double> windowLidHigh, lidHigh, windowStickHigh;
    // The same passes in the high-contrast look, measured in the same loops.
    const auto highContrastPasses = [&] {
        f.setLook(Look::highContrast());
        windowLidHigh.push_back(perPass(LidSlide, [&](int n) { windowLidPasses(f, 0, n); }));
        windowStickHigh.push_back(perPass(2 * StickSlide, [&](int n) { windowStickPasses(f, n); }));
        lidHigh.push_back(perPass(LidSlide, [&](int n) { lidPasses(f, LidSlide - 1, n); }));
        f.setLook(Look::normal());
    };
    // One untimed loop first: glyph caches, pixmap conversions, the first flush.
    for (int loop = -1; loop < loops; ++loop) {
        const double c = perPass(LidSlide, [&](int n) {
            for (int k = 0; k < n; ++k)
                pl.copy(k);
        });
        const double fb = perPass(LidSlide, [&](int n) { floorPasses(pl, n); });
        // Opening, then a stick down and up with the lid open, then closing: the order
        // of a real game, and each loop leaves the window as it found it.
        const double wl = perPass(LidSlide, [&](int n) { windowLidPasses(f, 0, n); });
        const double ws = perPass(2 * StickSlide, [&](int n) { windowStickPasses(f, n); });
        const double l = perPass(LidSlide, [&](int n) { lidPasses(f, LidSlide - 1, n); });
        if (loop < 0) continue;
        highContrastPasses();
        copy.push_back(c);
        fill.push_back(fb);
        windowLid.push_back(wl);
        windowStick.push_back(ws);
        lid.push_back(l);
    }
    report("floor-memcpy-us", median(copy));
    report("floor-fillblit-us", median(fill));
    report("pass-window-lid-us", median(windowLid));
    report("pass-lid-us", median(lid));
    report("pass-window-stick-us", median(windowStick));
    report("pass-window-lid-hc-us", median(windowLidHigh));
    report("pass-lid-hc-us", median(lidHigh));
    report("pass-window-stick-hc-us", median(windowStickHigh));
    std::fprintf(stderr, "(checksum %u)\n", pl.sink);
    return 0;
}

int countInstructions(int n) {
    LiveWindow<> live(true);
    BatonnetsWindow& f = live.f;
    Plancher pl;
    // Warm-up, not collected: the same work through the unnamed functions.
    floorPasses(pl, n);
    windowLidPasses(f, 0, LidSlide);
    windowStickPasses(f, 2 * StickSlide);
    lidPasses(f, LidSlide - 1, LidSlide);

    // The slides are sampled rather than run whole, which under valgrind would take
    // minutes: bursts of n one-pixel passes spread along the way, each burst reached
    // by an uncollected pass so that every collected one moves by a single pixel.
    constexpr int Bursts = 6;
    callgrindFloor(pl, Bursts * n);
    for (int b = 0; b < Bursts; ++b) {
        const int from = b * LidSlide / Bursts;
        windowLidPasses(f, from, 1);
        callgrindWindowLid(f, from + 1, n);
    }
    windowLidPasses(f, LidSlide - 1, 1); // open: the sticks move with the lid out of sight
    callgrindWindowStick(f, Bursts * n);
    for (int b = 0; b < Bursts; ++b) {
        const int from = LidSlide - 1 - b * LidSlide / Bursts;
        lidPasses(f, from, 1);
        callgrindLid(f, from - 1, n);
    }
    report("callgrind-passes", Bursts * n);
    return 0;
}

} // namespace batonnets::bench
