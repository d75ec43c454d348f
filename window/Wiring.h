// SPDX-License-Identifier: GPL-3.0-or-later
// Connects the window's events to the game's handlers.
#pragma once

namespace batonnets {

class BatonnetsWindow;
class BaseBatonnets;

void wire(BatonnetsWindow& window, BaseBatonnets& game);

} // namespace batonnets
