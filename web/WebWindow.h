// SPDX-License-Identifier: GPL-3.0-or-later
// The game's window in a web page: the window operations carried out by the page's script
// (web/page.js) on its elements, each animation pass paced on the browser's frames.
#pragma once

#include "game/TimeOfDayRandom.h"
#include "game/WindowOps.h"

namespace batonnets {

class WebWindow : public WindowOps {
  public:
    // Hands the page the game's texts and its pace; the page shows itself once it has them.
    void start();

    float stickLeft(int i) const override;
    float stickTop(int i) const override;
    void setStickLeft(int i, float left) override;
    void moveStick(int i, float left, float top) override;
    void showStick(int i) override;
    void createStick(int i) override;
    float lidLeft() const override;
    float lidWidth() const override;
    void moveLid(float left) override;
    void repaintWindow() override;
    void repaintLid() override;
    void pace() override;
    void flushFrame() override;
    void setBoard(Board p) override;
    void setResultatText(std::string_view utf8) override;
    void setResultatColor(Color bgr) override;
    void setResultatFlag(bool on) override;
    void setJouerEnabled(bool on) override;
    void setJoueEnabled(bool on) override;
    bool optionSelected(Option o) const override;
    void announceComputerMove(int taken, int left) override;
    void announceSticksLeft(int left) override;
    void announceLid(bool open) override;
    void sleepMs(std::int32_t ms) override;
    void endProgram() override;
    void reseedFromTimeOfDay() override;
    double nextRandom() override;

  private:
    TimeOfDayRandom random_;
};

} // namespace batonnets
