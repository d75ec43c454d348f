// SPDX-License-Identifier: GPL-3.0-or-later
// The operations the game asks of its window. The game logic and every animation
// talk to the window only through this interface, so they run unchanged against the
// real Qt window and against the recording fake of the tests.
#pragma once

#include <cstdint>
#include <string_view>

namespace batonnets {

// Colours in the 0x00BBGGRR form the game's messages are written in.
using Color = std::uint32_t;

// The two board pictures the window holds (the BaseJeu images).
enum class Board : std::int16_t { Twenty = 0, TwentyOne = 1 };

// The four option buttons: group Debut (who moves first) and group Force (strength).
enum class Option : std::int16_t { DebutJoueur, DebutOrdinateur, ForceNormale, ForceExpert };

class WindowOps {
  public:
    virtual ~WindowOps() = default;

    // Sticks (Batonnet 0..20), in client pixels.
    virtual float stickLeft(int i) const = 0;
    virtual float stickTop(int i) const = 0;
    virtual void setStickLeft(int i, float left) = 0;
    virtual void moveStick(int i, float left, float top) = 0;
    virtual void showStick(int i) = 0;
    // Creates stick i as a copy of stick 0: same picture, size and top edge, hidden.
    virtual void createStick(int i) = 0;

    // The lid (Couvercle).
    virtual float lidLeft() const = 0;
    virtual float lidWidth() const = 0;
    virtual void moveLid(float left) = 0;

    // What an animation pass changed: the whole window, or the lid alone. The window
    // shows it with its next frame; a pass never waits for the screen.
    virtual void repaintWindow() = 0;
    virtual void repaintLid() = 0;
    // Ends one animation pass: the fixed pace, and a chance for the window to stay
    // responsive to the window manager without handling any input.
    virtual void pace() = 0;
    // Puts the newest state on screen now, frame due or not: every animation ends with
    // it, so that its last pass is seen before anything else changes.
    virtual void flushFrame() = 0;

    virtual void setBoard(Board p) = 0;

    // The status label (Resultat).
    virtual void setResultatText(std::string_view utf8) = 0;
    virtual void setResultatColor(Color bgr) = 0;
    virtual void setResultatFlag(bool on) = 0;

    virtual void setJouerEnabled(bool on) = 0;
    virtual void setJoueEnabled(bool on) = 0;

    virtual bool optionSelected(Option o) const = 0;

    // Told to a screen reader, never shown: how the game stands once a move is made (the
    // computer's, or each stick the player takes), and the lid once Ouvrir or Fermer
    // has moved it. The status line's messages reach it on their own.
    virtual void announceComputerMove(int taken, int left) = 0;
    virtual void announceSticksLeft(int left) = 0;
    virtual void announceLid(bool open) = 0;

    // Suspends the program for ms milliseconds: nothing drawn, no input handled.
    virtual void sleepMs(std::int32_t ms) = 0;
    // Ends the program from inside a handler; nothing of the game runs afterwards.
    virtual void endProgram() = 0;

    // Random source: re-seed from the time of day, then draw r uniform in [0, 1).
    virtual void reseedFromTimeOfDay() = 0;
    virtual double nextRandom() = 0;
};

} // namespace batonnets
