// SPDX-License-Identifier: GPL-3.0-or-later
// Brings every stick back to the line (top edge 36), one after another, 2 px a pass.
#pragma once

#include <cstdint>

#include "WindowOps.h"

namespace batonnets {

void Aligne(WindowOps& w, std::int16_t& Indice, std::int16_t& PasAligne, float& PosAnim);

} // namespace batonnets
