// Stick 0 is placed at an absolute position first, so a layout run twice gives the
// same row; each further stick is placed from its neighbour's position read back.
#include "Distribution.h"

namespace batonnets {

namespace {

void distribue(BatonModule& m, WindowOps& w, float premier, float pas, std::int16_t nombre) {
    w.setStickLeft(0, premier);
    for (m.Indice = 1; m.Indice <= 20; ++m.Indice) {
        w.showStick(m.Indice);
        w.setStickLeft(m.Indice, w.stickLeft(m.Indice - 1) + pas);
    }
    m.NbBatonnets = nombre;
}

} // namespace

void Distribution20(BatonModule& m, WindowOps& w) { distribue(m, w, 18.0f, 42.0f, 20); }
void Distribution21(BatonModule& m, WindowOps& w) { distribue(m, w, 15.0f, 40.0f, 21); }

} // namespace batonnets
