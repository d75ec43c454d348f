// SPDX-License-Identifier: GPL-3.0-or-later
// The whole game state kept by the program itself: the seven module variables, under
// the names the game knows its state by, with their 16-bit / single-precision types. Everything
// else (stick positions, the lid, the buttons, the label) is read back from the window.
#pragma once

#include <cstdint>

namespace batonnets {

// A 16-bit Boolean as the game's module stores it: False 0, True -1.
using Bool16 = std::int16_t;
inline constexpr Bool16 True16 = -1;
inline constexpr Bool16 False16 = 0;

struct BatonModule {
    std::int16_t Indice = 0;         // stick the running loop works on
    float PosAnim = 0.0f;            // coordinate being animated (pixels)
    std::int16_t NbBatonnets = 0;    // sticks still in play
    std::int16_t NbPrisJoueur = 0;   // sticks the player took this turn; 3 locks picking
    std::int16_t NbPrisOrdi = 0;     // sticks the computer still has to take
    std::int16_t PasAligne = 0;      // vertical step of the stick being aligned
    Bool16 OptionModifiee = False16; // an option was clicked since start; never reset
};

// Board geometry shared by the layouts, the turns and the alignment.
inline constexpr int StickCount = 21;     // stick controls 0..20
inline constexpr float InPlayTop = 36.0f; // top edge of a stick in play
inline constexpr float TakenByPlayerTop = 290.0f;
inline constexpr float TakenByComputerTop = -220.0f;

// Colours of the status messages, 0x00BBGGRR.
inline constexpr std::uint32_t Green = 0x008000;
inline constexpr std::uint32_t DarkRed = 0x0000C0;

} // namespace batonnets
