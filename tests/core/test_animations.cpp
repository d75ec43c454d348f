// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the two layouts, the lid, the alignment, quitting and the random source,
// against the recording fake: exact pass counts, repaint kinds and order.
#include <gtest/gtest.h>

#include <tuple>

#include "FakeWindow.h"
#include "game/Alignment.h"
#include "game/Lid.h"
#include "game/StickLayouts.h"
#include "game/TimeOfDayRandom.h"

using namespace batonnets;
using namespace batonnets::test;

// Start-up makes the row once (the fake refuses a stick made twice), with picking locked; then the
// layouts are laid one after the other on that window, so that neither depends on what the other
// left, and a stray stick is put back in its place.
TEST(StartUp, TheRowOnceThenEachLayoutExact) {
    Game g;
    g.game.onActivated(); // a later activation (switching programs) must not redo it
    g.game.onBatonnet(0); // picking is locked before the first game
    // The layout (none: the row as start-up made it), its first stick's left, its step, its count.
    using Row = std::tuple<void (*)(BatonModule&, WindowOps&), float, float, int>;
    BatonModule m;
    for (const auto& [layout, first, step, count] :
         {Row{nullptr, 18, 42, 20}, Row{Distribution21, 15, 40, 21},
          Row{Distribution20, 18, 42, 20}, Row{Distribution21, 15, 40, 21}}) {
        if (layout) {
            g.w.sticks[3].left = 500;
            layout(m, g.w);
            EXPECT_EQ(m.NbBatonnets, count);
        }
        for (int i = 0; i <= 20; ++i)
            EXPECT_EQ(g.w.sticks[i].left, first + step * i) << count << " sticks, " << i;
        EXPECT_EQ(g.w.inPlay(), count); // shown, in the row, inside the window
    }
    EXPECT_EQ(g.w.count(Op::MoveStick) + g.w.count(Op::RepaintWindow), 0u); // not animated
}

// One pixel a pass, each pass its move, its repaint (the whole window while the board
// appears, the lid alone while it closes), then the pace.
TEST(Lid, PassCountsAndRepaintKinds) {
    // Opening or not, from where, the passes. The lid ends where the last pass put it, the
    // loop variable one step further: 858 when opening, -1 when closing.
    const std::tuple<bool, float, std::size_t> rows[] = {
        {true, 0.0f, 858}, {true, 857.0f, 1}, {false, 857.0f, 858}, {false, 0.0f, 1}};
    for (const auto& [open, from, passes] : rows) {
        SCOPED_TRACE(from);
        FakeWindow w;
        w.lid = from;
        float posAnim = 123;
        open ? Ouvre(w, posAnim) : Ferme(w, posAnim);
        const Op repaint = open ? Op::RepaintWindow : Op::RepaintLid;
        ASSERT_EQ(w.log.size(), 3 * passes + 1);
        for (std::size_t k = 0; k < passes; ++k) {
            const float x = from + (open ? 1.0f : -1.0f) * static_cast<float>(k);
            EXPECT_EQ(std::tuple(w.log[3 * k].op, w.log[3 * k].x, w.log[3 * k + 1].op),
                      std::tuple(Op::MoveLid, x, repaint));
            EXPECT_EQ(w.log[3 * k + 2].op, Op::Pace);
        }
        EXPECT_EQ(posAnim, open ? 858.0f : -1.0f);
    }
}

// At the end of a game (stick 2 taken by the player, stick 12 by the computer), with
// stick 5 at each row's height: the sticks glide back one after the other, from the
// left, each straight up or down.
TEST(Aligne, EachStickGlidesBackInTurn) {
    // Stick 5's height, its passes, its height after. An odd distance stops one pixel short:
    // the loop never clamps.
    const std::tuple<float, std::size_t, float> rows[] = {
        {36, 1, 36}, {290, 128, 36}, {291, 128, 37}, {35, 1, 35}, {37, 1, 37}, {100, 33, 36}};
    for (const auto& [top, passes, after] : rows) {
        SCOPED_TRACE(top);
        Game g;
        g.w.log.clear();
        g.w.sticks[2].top = 290;
        g.w.sticks[12].top = -220;
        g.w.sticks[5].top = top;
        std::int16_t indice = 0, pas = 0;
        float posAnim = 0;
        Aligne(g.w, indice, pas, posAnim);
        // A stick in line still costs one pass.
        EXPECT_EQ(g.w.count(Op::MoveStick), 18 + 128 + 129 + passes);
        EXPECT_EQ(g.w.sticks[5].top, after);
        int last = 0;
        for (const Event& e : g.w.log) {
            if (e.op != Op::MoveStick) continue;
            EXPECT_GE(e.i, last) << "stick " << e.i << " moved after stick " << last;
            last = e.i;
            EXPECT_EQ(e.x, 18.0f + 42.0f * e.i);
        }
    }
}

// Re-seeded before each draw, the source must still tell apart two draws a microsecond
// apart at any hour (seeding by whole seconds, or a seed that saturates in the
// afternoon, would repeat the draw), and never return 1.0, which would make the
// computer take four sticks: a draw is the engine's next 32 bits scaled by toUnit().
TEST(TimeOfDayRandom, MicrosecondSeedsAllDayAndDrawsBelowOne) {
    const auto drawAt = [](double seconds) {
        TimeOfDayRandom r;
        r.reseed(seconds);
        return r.next();
    };
    for (double t : {0.0, 4295.0, 45000.25, 86399.5})
        EXPECT_NE(drawAt(t), drawAt(t + 1e-6)) << t;
    std::mt19937 engine(1'000'000u); // one second past midnight, in microseconds
    EXPECT_EQ(drawAt(1.0), TimeOfDayRandom::toUnit(engine()));
    EXPECT_LT(TimeOfDayRandom::toUnit(0xFFFFFFFFu), 1.0);
    EXPECT_GT(TimeOfDayRandom::toUnit(0xFFFFFFFFu), 0.9999999);
}

// The window paints at the screen's rhythm, not at every pass, so each animation must
// end by putting its last pass on screen before anything else changes: after a pass
// comes another pass or the flush, never a label, a button, the pause or the handler's
// return. Checked on every handler of a whole game that ends in the computer's win, and
// on Quitter, which aligns the sticks, then closes the lid, then keeps the closed box on
// screen for a second before the end.
TEST(Animations, EachEndsWithItsLastFrameOnScreenUpToQuitter) {
    Game g;
    g.game.onOuvrir();
    g.game.onFermer();
    g.game.onJouer();
    for (int k = 0; k < 5; ++k)
        g.take(1); // sticks 0, 3, 7, 11 and 15
    g.w.select(Option::DebutOrdinateur);
    g.game.onDebut(1);
    g.game.onJouer(); // align, close, open, the computer's move: three sticks up
    const std::size_t quitting = g.w.log.size();
    g.game.onQuitter();
    EXPECT_EQ(g.w.scenes(quitting), "mf"); // the sticks back in line, then the lid closed
    EXPECT_EQ(g.w.find(Op::Sleep), g.w.log.size() - 1); // the one pause, the last thing
    EXPECT_EQ(g.w.log.back().i, 1000);
    EXPECT_TRUE(g.w.ended);
    const auto isPass = [](Op op) {
        return op == Op::MoveLid || op == Op::MoveStick || op == Op::RepaintWindow ||
               op == Op::RepaintLid || op == Op::Pace;
    };
    for (std::size_t k = 0; k < g.w.log.size(); ++k) {
        if (g.w.log[k].op != Op::Pace) continue;
        ASSERT_LT(k + 1, g.w.log.size()) << "the last pass was never flushed";
        const Op next = g.w.log[k + 1].op;
        EXPECT_TRUE(isPass(next) || next == Op::Flush) << "op " << k + 1 << " follows a pass";
    }
    // What a screen reader was told of the lid and the moves, in order, the player's sticks
    // one by one, the computer's move whole.
    EXPECT_EQ(g.w.spoken(),
              (std::vector<std::string>{"lid open", "lid closed", "19 left", "computer 2, 17 left",
                                        "16 left", "computer 3, 13 left", "12 left",
                                        "computer 3, 9 left", "8 left", "computer 3, 5 left",
                                        "4 left", "computer 3, 1 left", "computer 3, 17 left"}));
    // The fake throws on any operation after the end; queued clicks must be ignored.
    EXPECT_NO_THROW({
        g.game.onJouer();
        g.game.onOuvrir();
        g.game.onBatonnet(0);
        g.game.onQuitter();
    });
}
