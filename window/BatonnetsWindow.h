// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one window, Base_Batonnets: the board, the sticks, the lid and the control
// strip, laid out to the pixel. It carries out the game's window operations with Qt.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <chrono>
#include <memory>

#include "Announcer.h"
#include "Backdrop.h"
#include "Look.h"
#include "game/TimeOfDayRandom.h"
#include "game/WindowOps.h"

class QPainter;

namespace batonnets {

class PictureBox;
class GradientButton;
class TitledFrame;
class StatusLabel;
class OptionButton;

class BatonnetsWindow : public QWidget, public WindowOps {
    Q_OBJECT
  public:
    explicit BatonnetsWindow(QWidget* parent = nullptr);
    ~BatonnetsWindow() override;

    // Time one animation pass takes at least; zero lets tests run at full speed.
    void setPassPeriod(std::chrono::microseconds period) { passPeriod_ = period; }
    std::chrono::microseconds passPeriod() const { return passPeriod_; }

    // The controls, for the wiring and the tests.
    PictureBox* batonnet(int i) const { return batonnets_[static_cast<std::size_t>(i)]; }
    PictureBox* couvercle() const { return couvercle_; }
    GradientButton* jouer() const { return jouer_; }
    GradientButton* joue() const { return joue_; }
    GradientButton* ouvrir() const { return ouvrir_; }
    GradientButton* fermer() const { return fermer_; }
    GradientButton* quitter() const { return quitter_; }
    OptionButton* debut(int i) const { return debut_[static_cast<std::size_t>(i)]; }
    OptionButton* force(int i) const { return force_[static_cast<std::size_t>(i)]; }
    TitledFrame* vkFrame1() const { return vkFrame1_; }
    TitledFrame* vkFrame2() const { return vkFrame2_; }
    StatusLabel* resultat() const { return resultat_; }
    Board board() const { return board_; }
    bool ended() const { return ended_; }

    // Paints the window and its controls in these colours from the next frame on.
    void setLook(const Look& look);
    const Look& look() const { return look_; }

    // Brings the keyboard focus and what assistive technology is told of the sticks and
    // the lid up to date with what the last handler did; the wiring calls it after each.
    void settleControls();
    // The handler that has just run ended a game: the next settleControls() hands the
    // keyboard focus to Jouer.
    void gameEnded() { gameEnded_ = true; }

    // WindowOps
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

  signals:
    // The window has been shown for the first time.
    void activated();
    void batonnetClicked(int index);

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    // Waits for the end of a pass; the pace test watches the deadlines instead.
    virtual void sleepUntil(std::chrono::steady_clock::time_point deadline);

  private:
    // What the passes changed since the last frame, the widest first.
    enum class Change { None, Lid, Window };

    PictureBox& stick(int i) const;
    // KeyboardFocus.cpp: the focus and what a screen reader is told.
    void setButtonEnabled(GradientButton* b, bool on);
    void setFocusVisible(bool on);
    void drawStickFocus(QPainter& p) const;
    // FrameClock.cpp: when what the passes changed is painted.
    void startFrameClock();
    bool frameDue() const;
    void paintFrame();

    QPixmap stickPicture_;
    std::array<QPixmap, 2> baseJeu_; // the two boards, held and never shown themselves
    Board board_ = Board::Twenty;
    Backdrop backdrop_; // colour, board and sticks, what every repaint starts from
    Look look_;

    std::array<PictureBox*, 21> batonnets_{};
    PictureBox* couvercle_ = nullptr;
    TitledFrame* vkFrame1_ = nullptr;
    TitledFrame* vkFrame2_ = nullptr;
    std::array<OptionButton*, 2> force_{};
    std::array<OptionButton*, 2> debut_{};
    StatusLabel* resultat_ = nullptr;
    GradientButton* jouer_ = nullptr;
    GradientButton* joue_ = nullptr;
    GradientButton* ouvrir_ = nullptr;
    GradientButton* fermer_ = nullptr;
    GradientButton* quitter_ = nullptr;

    TimeOfDayRandom random_;
    std::chrono::microseconds passPeriod_;
    std::chrono::steady_clock::time_point deadline_{};

    // The frame clock (see pace()).
    Change pending_ = Change::None;
    bool inPace_ = false;         // inside the pass's own event processing
    bool heldUpdate_ = false;     // Qt's own update request was held back by a pass
    bool frameReady_ = true;      // the platform can take a frame (requestUpdate answered)
    bool frameRequested_ = false; // a requestUpdate of ours is on its way
    std::chrono::steady_clock::duration frameInterval_{};
    std::chrono::steady_clock::time_point lastFrame_{};
    bool activatedOnce_ = false;

    // What a screen reader is told apart from the focus (KeyboardFocus.cpp).
    std::unique_ptr<Announcer> announcer_;
    bool captionSaid_ = false; // the status line's message, since the flag was last raised
    bool focusParked_ = false; // a handler disabled the focused button (setButtonEnabled)
    bool gameEnded_ = false;   // a handler ended a game (gameEnded)
    bool ended_ = false;
};

} // namespace batonnets
