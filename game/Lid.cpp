// SPDX-License-Identifier: GPL-3.0-or-later
// Opening repaints the whole window at every pass (the board appears behind the lid);
// closing repaints the lid alone, which is all that changes on screen.
#include "Lid.h"

#include "CountingLoop.h"

namespace batonnets {

void Ouvre(WindowOps& w, float& PosAnim) {
    const float openLeft = w.lidWidth(); // read once: the end value of the slide
    countingLoop(PosAnim, w.lidLeft(), openLeft, 1.0f, [&] {
        w.moveLid(PosAnim);
        endPass(w, Repaint::Window);
    });
    w.flushFrame();
}

void Ferme(WindowOps& w, float& PosAnim) {
    countingLoop(PosAnim, w.lidLeft(), 0.0f, -1.0f, [&] {
        w.moveLid(PosAnim);
        endPass(w, Repaint::Lid);
    });
    w.flushFrame();
}

} // namespace batonnets
