// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's table, new games, the player's turn and whole games,
// through the game's handlers against the recording fake.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "FakeWindow.h"
#include "game/ComputerTurn.h"
#include "game/Texts.h"

using namespace batonnets;
using namespace batonnets::test;

namespace {

// Independent solver: with n sticks in play and the mover to play, can the mover force
// a win? A move takes 1..3 sticks but never the last one; leaving exactly one wins.
bool moverWins(int n) {
    for (int k = 1; k <= 3 && k < n; ++k)
        if (n - k == 1 || !moverWins(n - k)) return true;
    return false;
}

// The rules' invariants between two handlers (tst_monkey checks the counts in a turn).
void expectAtRest(const BatonModule& m, const FakeWindow& w) {
    EXPECT_EQ(m.NbBatonnets, w.inPlay());
    if (w.text == texts::VousGagnez || w.text == texts::JaiGagne) {
        EXPECT_EQ(m.NbPrisJoueur, 3);
        EXPECT_TRUE(w.jouer);
        EXPECT_FALSE(w.joue);
        EXPECT_EQ(m.NbBatonnets, 1);
        EXPECT_EQ(w.color, w.text == texts::VousGagnez ? Green : DarkRed);
    } else {
        EXPECT_EQ(w.text, texts::AVousDeJouer);
        EXPECT_EQ(w.color, Green);
        EXPECT_EQ(w.joue, m.NbPrisJoueur > 0);
    }
}

} // namespace

// Every count the computer can face. A winning count is answered at once by a move that
// leaves the player a losing one, as the solver says; a losing count (5, 9, 13, 17:
// nothing better than chance exists there) by a draw of 1 to 3, re-seeded first. The
// sticks taken are the leftmost in play, announced in dark red before the first moves,
// and told to a screen reader, with the count left, once the last has moved.
TEST(JeuOrdi, EveryCountAndEachEdgeOfTheDraw) {
    // Sticks in play, the draw (none when negative), the sticks it makes the computer take.
    std::vector<std::tuple<int, double, int>> rows = {{17, 0.0, 1},     {13, 0.3333333, 1},
                                                      {9, 1.0 / 3, 2},  {5, 0.6666666, 2},
                                                      {17, 2.0 / 3, 3}, {5, 0.9999999999, 3}};
    for (int n = 2; n <= 20; ++n)
        if (moverWins(n)) rows.push_back({n, -1.0, 0});
    for (const auto& [inPlay, random, expected] : rows) {
        SCOPED_TRACE(inPlay);
        FakeWindow w;
        // The 21-stick row, inPlay sticks in play after stick 0, which the player took: a
        // taken stick with a lower index is passed over.
        for (int i = 0; i <= 20; ++i)
            w.sticks[i] = {true, true, 15.0f + 40.0f * i, i == 0 || i > inPlay ? 290.0f : 36.0f};
        w.jouer = false; // as during any game
        if (random >= 0) w.randoms = {random};
        BatonModule m;
        m.NbBatonnets = static_cast<std::int16_t>(inPlay);
        JeuOrdi(m, w);
        const int taken = inPlay - m.NbBatonnets;
        if (random >= 0)
            EXPECT_EQ(taken, expected);
        else
            EXPECT_TRUE(taken >= 1 && taken <= 3 && !moverWins(m.NbBatonnets)) << taken;
        EXPECT_EQ(w.count(Op::Reseed), random >= 0 ? 1u : 0u);
        EXPECT_EQ(w.count(Op::MoveStick), 257u * taken);
        for (int i = 1; i <= taken; ++i)
            EXPECT_EQ(w.sticks[i].top, -220.0f) << i;
        EXPECT_EQ(w.log.at(0).color, DarkRed);
        const std::size_t said = w.find(Op::Spoken).value();
        EXPECT_GT(said, w.find(Op::MoveStick, true).value());
        EXPECT_LT(said, w.find(Op::Text, true).value());
        expectAtRest(m, w);
    }
}

// What the player sees of a new game, in order: the sticks glide back into line, the
// lid closes (once any option has ever been clicked), the old message goes, the board
// is laid out, the lid opens, and only then does the computer move. A game started
// mid-turn (an option click arms Jouer) has nothing to confirm.
TEST(NewGame, VariantsAndTheOrderOfWhatIsSeen) {
    // What, the computer first, Expert, an option clicked, a game before (1: left after
    // its first stick, 2: played to its end), then the board, the sticks in play once the
    // new game stands and its scenes.
    const std::tuple<const char*, bool, bool, bool, int, Board, int, const char*> rows[] = {
        {"Joueur, Normale", false, false, false, 0, Board::Twenty, 20, "mxbo"},
        {"Joueur, Expert", false, true, true, 0, Board::TwentyOne, 21, "mfxbo"},
        {"Ordinateur, Normale", true, false, true, 0, Board::Twenty, 17, "mfxbocm"},
        {"Ordinateur, Expert", true, true, true, 0, Board::Twenty, 17, "mfxbocm"},
        {"the game after an option click", false, true, true, 2, Board::TwentyOne, 21, "mfxbo"},
        {"a game left mid-turn", false, true, true, 1, Board::TwentyOne, 21, "mfxbo"},
    };
    for (const auto& [what, computerFirst, expert, optionClicked, gameBefore, board, inPlayAfter,
                      scenes] : rows) {
        SCOPED_TRACE(what);
        Game g;
        if (computerFirst) g.w.select(Option::DebutOrdinateur);
        if (expert) g.w.select(Option::ForceExpert);
        if (optionClicked) g.game.onForce(expert ? 1 : 0);
        if (gameBefore) g.game.onJouer();
        if (gameBefore == 1) g.game.onBatonnet(0); // Validez enabled
        while (gameBefore == 2 && g.m().NbBatonnets > 1)
            g.take(1);
        g.w.log.clear();
        g.game.onJouer();
        EXPECT_EQ(g.w.scenes(), scenes);
        // The lid closes over the board, or in one pass when it is closed already.
        EXPECT_EQ(g.w.count(Op::RepaintLid), gameBefore ? 858u : optionClicked ? 1u : 0u);
        EXPECT_EQ(g.w.board, board);
        EXPECT_EQ(g.m().NbBatonnets, inPlayAfter);
        EXPECT_FALSE(g.w.jouer);
        expectAtRest(g.m(), g.w);
    }
}

// A third stick hands over at once; a third that leaves one wins without a reply. (A click
// on a taken stick is the monkey's: it makes thousands.)
TEST(PlayerTurn, OneTurnAfterAnother) {
    Game g;
    g.game.onJouer();
    g.game.onBatonnet(4);
    g.w.log.clear();
    g.game.onBatonnet(7);
    EXPECT_EQ(g.w.count(Op::MoveStick), 255u);
    EXPECT_EQ(g.w.log.back().text, "18 left"); // told once the stick is down and Validez on
    EXPECT_EQ(g.w.log.end()[-2].op, Op::JoueEnabled);
    g.w.randoms = {0.0, 0.0, 0.0, 0.0};
    g.game.onBatonnet(9); // the third: the computer answers at once (17: a draw, one stick)
    expectAtRest(g.m(), g.w);
    for (int k = 0; k < 3; ++k)
        g.take(3); // 13, 9, 5 left, and the computer takes one each time
    ASSERT_EQ(g.m().NbBatonnets, 4);
    g.take(3); // a reply would need a draw, which the fake refuses
    EXPECT_EQ(g.w.text, texts::VousGagnez);
    expectAtRest(g.m(), g.w);
}
