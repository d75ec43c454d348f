// SPDX-License-Identifier: GPL-3.0-or-later
// The real window with the game wired in, as the program builds it, shown and exposed
// on whatever platform QT_QPA_PLATFORM names. Window is BatonnetsWindow or a subclass
// that watches the passes.
#pragma once

#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "BatonnetsWindow.h"
#include "Wiring.h"
#include "game/BaseBatonnets.h"

namespace batonnets::bench {

template <class Window = BatonnetsWindow> struct LiveWindow {
    Window f;
    BaseBatonnets game{f};

    // fullSpeed: pass period 0, the passes run back to back; otherwise the game's pace.
    explicit LiveWindow(bool fullSpeed) {
        wire(f, game);
        if (fullSpeed) f.setPassPeriod(std::chrono::microseconds(0));
        f.show();
        if (!QTest::qWaitForWindowExposed(&f)) {
            std::fprintf(stderr, "the window was never exposed\n");
            std::exit(1);
        }
    }
};

} // namespace batonnets::bench
