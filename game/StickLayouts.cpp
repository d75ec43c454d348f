// SPDX-License-Identifier: GPL-3.0-or-later
// Stick 0 is placed at an absolute position first, so a layout run twice gives the
// same row; each further stick is placed from its neighbour's position read back.
#include "StickLayouts.h"

namespace batonnets {

namespace {

void layOut(BatonModule& m, WindowOps& w, float firstLeft, float spacing, std::int16_t count) {
    w.setStickLeft(0, firstLeft);
    for (m.Indice = 1; m.Indice <= 20; ++m.Indice) {
        w.showStick(m.Indice);
        w.setStickLeft(m.Indice, w.stickLeft(m.Indice - 1) + spacing);
    }
    m.NbBatonnets = count;
}

} // namespace

void Distribution20(BatonModule& m, WindowOps& w) {
    layOut(m, w, 18.0f, 42.0f, 20);
}
void Distribution21(BatonModule& m, WindowOps& w) {
    layOut(m, w, 15.0f, 40.0f, 21);
}

} // namespace batonnets
