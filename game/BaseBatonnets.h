// SPDX-License-Identifier: GPL-3.0-or-later
// The game's event handlers: one entry point per event of the window. The Qt window
// forwards its events here; the tests call them directly against the fake window.
#pragma once

#include <cstdint>

#include "BatonModule.h"
#include "game/WindowOps.h"

namespace batonnets {

class BaseBatonnets {
  public:
    explicit BaseBatonnets(WindowOps& w) : w_(w) {}

    // The window has been shown. Start-up runs on the first call only.
    void onActivated();

    void onJouer();
    void onJoue();
    void onBatonnet(std::int16_t index);
    void onDebut(std::int16_t index);
    void onForce(std::int16_t index);
    void onOuvrir();
    void onFermer();
    void onQuitter();

    const BatonModule& module() const { return m_; }
    bool ended() const { return ended_; }
    // A game has been played to its end, the last stick left to the loser, and no new one
    // has started.
    bool gameOver() const { return m_.NbBatonnets == 1; }

  private:
    WindowOps& w_;
    BatonModule m_;
    bool started_ = false;
    // Once the program has been told to end, events still queued are ignored.
    bool ended_ = false;
};

} // namespace batonnets
