// Every stick is treated, in line or not, so a stick already in line still costs one
// pass. A stick an odd distance away stops one pixel short: the loop never clamps.
#include "Aligne.h"

#include "CountingLoop.h"

namespace batonnets {

namespace {
constexpr float Ligne = 36.0f;
constexpr std::int16_t DernierBatonnet = 20;
} // namespace

void Aligne(WindowOps& w, std::int16_t& Indice, std::int16_t& PasAligne, float& PosAnim) {
    for (Indice = 0; Indice <= DernierBatonnet; ++Indice) {
        PasAligne = w.stickTop(Indice) < Ligne ? 2 : -2;
        const int i = Indice;
        countingLoop(PosAnim, w.stickTop(i), Ligne, static_cast<float>(PasAligne), [&] {
            w.moveStick(i, w.stickLeft(i), PosAnim);
            endPass(w, Repaint::Window);
        });
    }
}

} // namespace batonnets
