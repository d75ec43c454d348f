// Connects the window's events to the game's handlers.
#pragma once

namespace batonnets {

class BatonnetsWindow;
class BaseBatonnets;

void relier(BatonnetsWindow& fenetre, BaseBatonnets& jeu);

} // namespace batonnets
