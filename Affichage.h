// Before Qt starts: is there a display to open? Qt aborts, core dump and all, when it
// cannot reach one; the game would rather say why in one line and stop.
#pragma once

#include <string>

namespace batonnets {

// Empty when the game can go on; otherwise the line to print, in French, why it cannot.
std::string affichageManquant(int argc, char* argv[]);

} // namespace batonnets
