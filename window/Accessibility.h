// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology is told about the game's own controls: Qt knows nothing of
// them, so without this an option button would be read as a check box and the status
// line and the pictures as anonymous panels.
#pragma once

namespace batonnets {

// Registers our accessibility factory with Qt. Call it before the first control is made:
// Qt keeps the description it gave a widget for that widget's whole life.
void installAccessibility();

} // namespace batonnets
