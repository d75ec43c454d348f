// The game's event handlers: one entry point per event of the window. The Qt window
// forwards its events here; the tests call them directly against the fake window.
#pragma once

#include <cstdint>

#include "BatonModule.h"
#include "window/WindowOps.h"

namespace batonnets {

class BaseBatonnets {
public:
    explicit BaseBatonnets(WindowOps& w) : w_(w) {}

    // The window has been shown. Start-up runs on the first call only.
    void activation();

    void clicJouer();
    void clicJoue();
    void clicBatonnet(std::int16_t index);
    void clicDebut(std::int16_t index);
    void clicForce(std::int16_t index);
    void clicOuvrir();
    void clicFermer();
    void clicQuitter();

    const BatonModule& module() const { return m_; }
    bool termine() const { return termine_; }

private:
    WindowOps& w_;
    BatonModule m_;
    bool demarre_ = false;
    // Once the program has been told to end, events still queued are ignored.
    bool termine_ = false;
};

} // namespace batonnets
