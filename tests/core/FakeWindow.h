// SPDX-License-Identifier: GPL-3.0-or-later
// A recording stand-in for the game window: it keeps every control's state as the real
// window would and logs every operation, so tests can count passes and repaints and
// check the order of what the player would see; and a game started up on it.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/BaseBatonnets.h"
#include "game/Texts.h"
#include "game/WindowOps.h"

namespace batonnets::test {

enum class Op {
    MoveStick,
    MoveLid,
    RepaintWindow,
    RepaintLid,
    Pace,
    Flush,
    SetBoard,
    Text,
    Color,
    Flag,
    JouerEnabled,
    JoueEnabled,
    Sleep,
    Reseed,
    Spoken
};

struct Event {
    Op op;
    int i = 0;   // stick index, board, enabled flag, milliseconds
    float x = 0; // left edge
    std::string text{};
    Color color = 0;
};

struct Stick {
    bool exists = false;
    bool shown = false;
    float left = 0, top = 0;
};

class FakeWindow : public WindowOps {
  public:
    std::array<Stick, 21> sticks{{{true, true, 18.0f, 36.0f}}}; // stick 0 comes with the window
    float lid = 0.0f;
    Board board = Board::Twenty;
    std::string text;
    Color color = 0x008000;
    bool jouer = true;
    bool joue = false;
    std::array<bool, 4> options{true, false, true, false}; // by Option: Joueur, Normale
    bool ended = false;
    std::deque<double> randoms; // scripted draws; the test fails if it runs short
    std::vector<Event> log;

    // Selecting an option as the player would: the other one of its group goes off.
    void select(Option o) {
        const auto k = static_cast<std::size_t>(o);
        options[k] = true;
        options[k ^ 1] = false;
    }

    float stickLeft(int i) const override { return stick(i).left; }
    float stickTop(int i) const override { return stick(i).top; }
    void setStickLeft(int i, float left) override { stick(i).left = left; }
    void moveStick(int i, float left, float top) override {
        stick(i).left = left;
        stick(i).top = top;
        record({Op::MoveStick, i, left});
    }
    void showStick(int i) override { stick(i).shown = true; }
    void createStick(int i) override {
        if (i <= 0 || i > 20 || sticks[i].exists) throw std::logic_error("stick created twice");
        sticks[i] = {true, false, sticks[0].left, sticks[0].top};
    }
    float lidLeft() const override { return lid; }
    float lidWidth() const override { return 857.0f; }
    // Each setter keeps what it sets and logs it.
    void moveLid(float left) override { record({Op::MoveLid, 0, lid = left}); }
    void repaintWindow() override { record({Op::RepaintWindow}); }
    void repaintLid() override { record({Op::RepaintLid}); }
    void pace() override { record({Op::Pace}); }
    void flushFrame() override { record({Op::Flush}); }
    void setBoard(Board p) override { record({Op::SetBoard, static_cast<int>(board = p)}); }
    void setResultatText(std::string_view t) override { record({Op::Text, 0, 0, text = t}); }
    void setResultatColor(Color c) override { record({Op::Color, 0, 0, {}, color = c}); }
    void setResultatFlag(bool on) override { record({Op::Flag, on}); }
    void setJouerEnabled(bool on) override { record({Op::JouerEnabled, jouer = on}); }
    void setJoueEnabled(bool on) override { record({Op::JoueEnabled, joue = on}); }
    bool optionSelected(Option o) const override { return options[static_cast<std::size_t>(o)]; }
    // What a screen reader is told, in short: "computer 2, 13 left", "16 left", "lid open".
    void announceComputerMove(int taken, int left) override {
        say("computer " + std::to_string(taken) + ", " + std::to_string(left) + " left");
    }
    void announceSticksLeft(int left) override { say(std::to_string(left) + " left"); }
    void announceLid(bool open) override { say(open ? "lid open" : "lid closed"); }
    void sleepMs(std::int32_t ms) override { record({Op::Sleep, ms}); }
    void endProgram() override { ended = true; }
    void reseedFromTimeOfDay() override { record({Op::Reseed}); }
    double nextRandom() override {
        if (randoms.empty()) throw std::logic_error("unexpected random draw");
        const double r = randoms.front();
        randoms.pop_front();
        return r;
    }

    // Where in the log the first (or the last) `op` from `from` on stands.
    std::optional<std::size_t> find(Op op, bool last = false, std::size_t from = 0) const {
        std::optional<std::size_t> at;
        for (std::size_t k = from; k < log.size(); ++k)
            if (log[k].op == op && (last || !at)) at = k;
        return at;
    }

    // What the player sees from log entry `from` on, one letter a scene, repeats left out:
    // m a stick moves, f the lid closes, o it opens, x the message goes, b the board is
    // laid out, c the computer announces its move.
    std::string scenes(std::size_t from = 0) const {
        std::string s;
        for (std::size_t k = from; k < log.size(); ++k) {
            const Event& e = log[k];
            char c = 0;
            if (e.op == Op::MoveStick) c = 'm';
            if (e.op == Op::RepaintLid) c = 'f';
            if (e.op == Op::MoveLid && log[k + 1].op == Op::RepaintWindow) c = 'o';
            if (e.op == Op::SetBoard) c = 'b';
            if (e.op == Op::Text)
                c = e.text.empty() ? 'x' : e.text == texts::OrdinateurJoue ? 'c' : 0;
            if (c && (s.empty() || s.back() != c)) s += c;
        }
        return s;
    }
    // What a screen reader was told, in order.
    std::vector<std::string> spoken() const {
        std::vector<std::string> s;
        for (const Event& e : log)
            if (e.op == Op::Spoken) s.push_back(e.text);
        return s;
    }
    std::size_t count(Op op) const {
        return std::count_if(log.begin(), log.end(), [op](const Event& e) { return e.op == op; });
    }
    // Sticks on the board at the in-play height; stick 20 of the 20-stick row is off
    // the client area and never counts.
    int inPlay() const {
        int n = 0;
        for (const Stick& s : sticks)
            n += s.shown && s.top == 36.0f && s.left < 857.0f;
        return n;
    }

  private:
    void say(std::string what) { record({Op::Spoken, 0, 0, std::move(what)}); }
    void record(Event e) {
        if (ended) throw std::logic_error("operation after the program ended");
        log.push_back(std::move(e));
    }
    Stick& stick(int i) {
        if (i < 0 || i > 20 || !sticks[i].exists) throw std::out_of_range("no such stick");
        return sticks[i];
    }
    const Stick& stick(int i) const { return const_cast<FakeWindow*>(this)->stick(i); }
};

// A game started through the handlers as the player would.
struct Game {
    FakeWindow w;
    BaseBatonnets game{w};
    Game() { game.onActivated(); }
    const BatonModule& m() const { return game.module(); }

    // Takes the k leftmost sticks in play, then confirms unless the third handed over.
    void take(int k) {
        for (int i = 0, taken = 0; taken < k; ++i)
            if (w.sticks.at(i).top == 36.0f) {
                game.onBatonnet(static_cast<std::int16_t>(i));
                ++taken;
            }
        if (k < 3 && w.joue) game.onJoue();
    }
};

} // namespace batonnets::test
