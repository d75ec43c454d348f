// SPDX-License-Identifier: GPL-3.0-or-later
// The closing scene of the Quitter button: align, close the lid, a still second, end.
#pragma once

#include <cstdint>

#include "WindowOps.h"

namespace batonnets {

void Quitter(WindowOps& w, std::int16_t& Indice, std::int16_t& PasAligne, float& PosAnim);

} // namespace batonnets
