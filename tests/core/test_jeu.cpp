// The computer's table, whole games and the rules of the player's turn, against the fake.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "FakeWindow.h"
#include "game/BaseBatonnets.h"
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

// A game in progress, started through the handlers as the player would.
struct Game {
    FakeWindow w;
    BaseBatonnets game{w};
    Game() { game.onActivated(); }
    const BatonModule& m() const { return game.module(); }

    int leftmostInPlay() const {
        for (int i = 0; i <= 20; ++i)
            if (w.sticks[i].top == 36.0f && w.sticks[i].left < 857.0f) return i;
        return -1;
    }
    void take(int k) {
        for (int j = 0; j < k; ++j)
            game.onBatonnet(static_cast<std::int16_t>(leftmostInPlay()));
        if (k < 3 && w.joue) game.onJoue();
    }

    // The rules' invariants between two handlers.
    void checkInvariants() const {
        EXPECT_GE(m().NbPrisJoueur, 0);
        EXPECT_LE(m().NbPrisJoueur, 3);
        EXPECT_EQ(m().NbBatonnets, w.inPlay());
        EXPECT_GE(m().NbBatonnets, 1);
        for (const Stick& s : w.sticks)
            EXPECT_TRUE(s.top == 36.0f || s.top == 290.0f || s.top == -220.0f) << s.top;
        EXPECT_TRUE(w.lid == 0.0f || w.lid == 857.0f);
        const bool over = w.text == texts::VousGagnez || w.text == texts::JaiGagne;
        if (over) {
            EXPECT_EQ(m().NbPrisJoueur, 3);
            EXPECT_TRUE(w.jouer);
            EXPECT_FALSE(w.joue);
            EXPECT_EQ(m().NbBatonnets, 1);
        } else {
            EXPECT_EQ(w.text, texts::AVousDeJouer);
            EXPECT_EQ(w.color, Green);
            EXPECT_EQ(w.joue, m().NbPrisJoueur > 0);
        }
    }
};

// The 21-stick row with the first n sticks in play and the rest taken by the player.
void setInPlay(FakeWindow& w, int n) {
    for (int i = 0; i <= 20; ++i)
        w.sticks[i] = {true, true, 15.0f + 40.0f * i, i < n ? 36.0f : 290.0f};
}

} // namespace

TEST(JeuOrdi, TableLeavesThePlayerALosingCount) {
    for (int n = 2; n <= 21; ++n) {
        const int k = fixedMove(static_cast<std::int16_t>(n));
        if (n == 5 || n == 9 || n == 13 || n == 17) {
            EXPECT_EQ(k, 0) << n;
            EXPECT_FALSE(moverWins(n)) << n; // nothing better than chance exists there
            continue;
        }
        ASSERT_GE(k, 1) << n;
        ASSERT_LE(k, 3) << n;
        if (n <= 20) {
            EXPECT_TRUE(n - k == 1 || !moverWins(n - k)) << n;
        }
    }
    EXPECT_EQ(fixedMove(21), 1);
    for (int n : {-1, 0, 1, 22})
        EXPECT_EQ(fixedMove(static_cast<std::int16_t>(n)), 0) << n;
}

TEST(JeuOrdi, MovesRowByRow) {
    struct Row {
        int inPlay;
        std::vector<double> randoms;
        int taken;
    };
    const Row rows[] = {
        {20, {}, 3},       {19, {}, 2},         {18, {}, 1},        {4, {}, 3},
        {3, {}, 2},        {2, {}, 1},          {17, {0.0}, 1},     {13, {0.3333333}, 1},
        {9, {1.0 / 3}, 2}, {5, {0.6666666}, 2}, {17, {2.0 / 3}, 3}, {5, {0.9999999999}, 3},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.inPlay);
        FakeWindow w;
        setInPlay(w, r.inPlay);
        w.sticks[0].top = 290; // a taken stick with a lower index is passed over
        w.sticks[r.inPlay].top = 36;
        w.randoms.assign(r.randoms.begin(), r.randoms.end());
        BatonModule m;
        m.NbBatonnets = static_cast<std::int16_t>(r.inPlay);
        JeuOrdi(m, w);
        EXPECT_EQ(w.count(Op::Reseed), r.randoms.size());
        EXPECT_EQ(w.count(Op::Draw), r.randoms.size());
        EXPECT_EQ(w.count(Op::MoveStick), 257u * r.taken);
        EXPECT_EQ(w.count(Op::RepaintWindow), 257u * r.taken);
        EXPECT_EQ(m.NbBatonnets, r.inPlay - r.taken);
        EXPECT_EQ(w.inPlay(), r.inPlay - r.taken);
        for (int i = 1; i <= r.taken; ++i)
            EXPECT_EQ(w.sticks[i].top, -220.0f) << i;
        EXPECT_EQ(w.sticks[0].top, 290.0f);
        // Announced in dark red before the first stick moves; the flag comes last.
        ASSERT_GE(w.log.size(), 2u);
        EXPECT_EQ(w.log[0].op, Op::Color);
        EXPECT_EQ(w.log[0].color, DarkRed);
        EXPECT_EQ(w.log[1].text, texts::OrdinateurJoue);
        EXPECT_EQ(w.log.back().op, Op::Flag);
        const bool won = m.NbBatonnets == 1;
        EXPECT_EQ(w.text, won ? texts::JaiGagne : texts::AVousDeJouer);
        EXPECT_EQ(w.color, won ? DarkRed : Green);
        EXPECT_EQ(m.NbPrisJoueur, won ? 3 : 0);
        EXPECT_FALSE(w.joue);
    }
}

TEST(Partie, PlayerWinsOnTwentyByLeavingFourKPlusOne) {
    Game g;
    g.game.onJouer();
    EXPECT_EQ(g.w.count(Op::RepaintLid), 0u); // no option touched: the lid is not closed first
    EXPECT_EQ(g.w.count(Op::MoveLid), 858u);
    EXPECT_FALSE(g.w.jouer);
    g.checkInvariants();
    // 20 -> 17; the computer then faces 4k+1 every time and draws at random.
    g.w.randoms = {0.1, 0.5, 0.9, 0.2};
    g.take(3);
    while (g.m().NbBatonnets > 1) {
        g.checkInvariants();
        const int k = (g.m().NbBatonnets - 1) % 4;
        ASSERT_GE(k, 1);
        g.take(k);
    }
    EXPECT_EQ(g.w.text, texts::VousGagnez);
    g.checkInvariants();
    // After the win picks are refused; the last stick stays in place.
    const auto moves = g.w.count(Op::MoveStick);
    g.game.onBatonnet(static_cast<std::int16_t>(g.leftmostInPlay()));
    EXPECT_EQ(g.w.count(Op::MoveStick), moves);
}

TEST(Partie, ExpertWithThePlayerFirstIsAlwaysLost) {
    // Every sequence of player moves: the computer answers 21 sticks with 17, 13, 9, 5, 1.
    int games = 0;
    std::function<void(std::vector<int>)> explore = [&](std::vector<int> moves) {
        Game g;
        g.w.select(Option::ForceExpert);
        g.game.onForce(1);
        g.game.onJouer();
        EXPECT_EQ(g.w.board, Board::TwentyOne);
        EXPECT_EQ(g.m().NbBatonnets, 21);
        for (int k : moves)
            g.take(k);
        if (g.m().NbBatonnets == 1) {
            ++games;
            EXPECT_EQ(g.w.text, texts::JaiGagne);
            g.checkInvariants();
            return;
        }
        g.checkInvariants();
        for (int k = 1; k <= 3 && k < g.m().NbBatonnets; ++k) {
            auto next = moves;
            next.push_back(k);
            explore(next);
        }
    };
    explore({});
    EXPECT_EQ(games, 3 * 3 * 3 * 3 * 3);
}

TEST(Partie, ComputerStartsAndLeavesSeventeen) {
    Game g;
    g.w.select(Option::DebutOrdinateur);
    g.game.onDebut(1);
    g.game.onJouer();
    EXPECT_EQ(g.w.count(Op::RepaintLid), 1u); // the option click closes the (closed) lid first
    EXPECT_EQ(g.w.board, Board::Twenty);
    EXPECT_EQ(g.m().NbBatonnets, 17);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(g.w.sticks[i].top, -220.0f);
    g.checkInvariants();
}

TEST(Tour, PicksRefusedUntilAGameStarts) {
    Game g;
    g.game.onBatonnet(0);
    EXPECT_EQ(g.w.sticks[0].top, 36.0f);
    EXPECT_EQ(g.w.count(Op::MoveStick), 0u);
    EXPECT_FALSE(g.w.joue);
}

TEST(Tour, TakenSticksIgnoreClicksAndTheThirdHandsOver) {
    Game g;
    g.game.onJouer();
    g.game.onBatonnet(4);
    EXPECT_EQ(g.w.sticks[4].top, 290.0f);
    EXPECT_TRUE(g.w.joue);
    const auto before = g.w.log.size();
    g.game.onBatonnet(4); // already down
    EXPECT_EQ(g.w.log.size(), before);
    g.w.log.clear();
    g.game.onBatonnet(7);
    EXPECT_EQ(g.w.count(Op::MoveStick), 255u);
    EXPECT_EQ(g.w.log.back().op, Op::JoueEnabled);
    g.w.randoms = {0.5};
    g.game.onBatonnet(9); // third: the computer answers at once (17 -> a random draw)
    EXPECT_EQ(g.w.count(Op::Draw), 1u);
    EXPECT_EQ(g.m().NbPrisJoueur, 0);
    EXPECT_EQ(g.w.text, texts::AVousDeJouer);
    g.checkInvariants();
}

TEST(Tour, AThirdStickLeavingOneWinsWithoutAReply) {
    Game h;
    h.game.onJouer();
    h.w.randoms = {0.0, 0.0, 0.0, 0.0};
    h.take(3); // 17 -> computer takes 1 -> 16
    h.take(3); // 13 -> 12
    h.take(3); // 9 -> 8
    h.take(3); // 5 -> 4
    ASSERT_EQ(h.m().NbBatonnets, 4);
    const auto ordi = h.w.count(Op::Reseed);
    h.take(3);
    EXPECT_EQ(h.w.text, texts::VousGagnez);
    EXPECT_EQ(h.w.count(Op::Reseed), ordi);
    EXPECT_EQ(h.m().NbBatonnets, 1);
    h.checkInvariants();
}

TEST(Tour, RestartInTheMiddleOfATurnCannotConfirmAnEmptyMove) {
    Game g;
    g.game.onJouer();
    g.game.onBatonnet(0);
    ASSERT_TRUE(g.w.joue);
    g.w.select(Option::ForceExpert);
    g.game.onForce(1); // arms Jouer mid-turn
    EXPECT_TRUE(g.w.jouer);
    g.game.onJouer();
    EXPECT_FALSE(g.w.joue); // a new game starts with nothing to confirm
    EXPECT_EQ(g.m().NbBatonnets, 21);
    EXPECT_EQ(g.m().OptionModifiee, True16);
    g.checkInvariants();
    for (int i = 0; i <= 20; ++i)
        EXPECT_EQ(g.w.sticks[i].top, 36.0f);
}
