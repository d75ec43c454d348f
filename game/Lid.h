// SPDX-License-Identifier: GPL-3.0-or-later
// The sliding lid: Ouvre slides it right until it has left the client area, Ferme
// slides it back to the left edge, one pixel a pass.
#pragma once

#include "WindowOps.h"

namespace batonnets {

// PosAnim is the game's shared animation coordinate; each routine sets it before use.
void Ouvre(WindowOps& w, float& PosAnim);
void Ferme(WindowOps& w, float& PosAnim);

} // namespace batonnets
