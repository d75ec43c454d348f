// SPDX-License-Identifier: GPL-3.0-or-later
// The texts, the computer's table, new games, the player's turn and whole games,
// through the game's handlers against the recording fake.
#include <gtest/gtest.h>

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

// The rules' invariants between two handlers.
void expectAtRest(const BatonModule& m, const FakeWindow& w) {
    EXPECT_GE(m.NbPrisJoueur, 0);
    EXPECT_LE(m.NbPrisJoueur, 3);
    EXPECT_EQ(m.NbBatonnets, w.inPlay());
    EXPECT_GE(m.NbBatonnets, 1);
    for (const Stick& s : w.sticks)
        EXPECT_TRUE(s.top == 36.0f || s.top == 290.0f || s.top == -220.0f) << s.top;
    EXPECT_TRUE(w.lid == 0.0f || w.lid == 857.0f);
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

// A game started through the handlers as the player would.
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
    void checkInvariants() const { expectAtRest(m(), w); }
};

} // namespace

// The words the player reads, letter for letter: every other test compares with these
// constants, so a typo here would pass everywhere else.
TEST(Texts, AsThePlayerReadsThem) {
    const std::pair<const char*, const char*> rows[] = {
        {texts::AVousDeJouer, "A vous de jouer..."},
        {texts::OrdinateurJoue, "L'ordinateur joue"},
        {texts::VousGagnez, "Vous gagnez !"},
        {texts::JaiGagne, "J'ai gagn\xc3\xa9 !"},
        {texts::WindowTitle, "Jeu des b\xc3\xa2tonnets - Vendrix34 -  v 1.0"},
        {texts::Jouer, "Jouer"},
        {texts::Joue, "Validez votre coup"},
        {texts::Ouvrir, "Ouvrir"},
        {texts::Fermer, "Fermer"},
        {texts::Quitter, "Quitter"},
        {texts::Force, "Force"},
        {texts::Normale, "Normale"},
        {texts::Expert, "Expert"},
        {texts::Debut, "D\xc3\xa9"
                       "but"},
        {texts::Joueur, "Joueur"},
        {texts::Ordinateur, "Ordinateur"},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_STREQ(text, expected);
}

TEST(JeuOrdi, TableLeavesThePlayerALosingCount) {
    for (int n = 2; n <= 20; ++n) {
        const int k = fixedMove(static_cast<std::int16_t>(n));
        if (n % 4 == 1) { // 5, 9, 13, 17: nothing better than chance exists there
            EXPECT_EQ(k, 0) << n;
            EXPECT_FALSE(moverWins(n)) << n;
            continue;
        }
        ASSERT_GE(k, 1) << n;
        ASSERT_LE(k, 3) << n;
        EXPECT_TRUE(n - k == 1 || !moverWins(n - k)) << n;
    }
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
        // The 21-stick row, r.inPlay sticks in play after stick 0, which the player took:
        // a taken stick with a lower index is passed over.
        for (int i = 0; i <= 20; ++i)
            w.sticks[i] = {true, true, 15.0f + 40.0f * i, i == 0 || i > r.inPlay ? 290.0f : 36.0f};
        w.randoms.assign(r.randoms.begin(), r.randoms.end());
        BatonModule m;
        m.NbBatonnets = static_cast<std::int16_t>(r.inPlay);
        JeuOrdi(m, w);
        EXPECT_EQ(w.count(Op::Reseed), r.randoms.size());
        EXPECT_EQ(w.count(Op::Draw), r.randoms.size());
        EXPECT_EQ(w.count(Op::MoveStick), 257u * r.taken);
        EXPECT_EQ(w.count(Op::RepaintWindow), 257u * r.taken);
        EXPECT_EQ(m.NbBatonnets, r.inPlay - r.taken);
        for (int i = 1; i <= r.taken; ++i)
            EXPECT_EQ(w.sticks[i].top, -220.0f) << i;
        EXPECT_EQ(w.sticks[0].top, 290.0f);
        // Announced in dark red before the first stick moves; the flag comes last.
        ASSERT_GE(w.log.size(), 2u);
        EXPECT_EQ(w.log[0].color, DarkRed);
        EXPECT_EQ(w.log[1].text, texts::OrdinateurJoue);
        EXPECT_EQ(w.log.back().op, Op::Flag);
        EXPECT_EQ(w.text, m.NbBatonnets == 1 ? texts::JaiGagne : texts::AVousDeJouer);
        EXPECT_EQ(m.NbPrisJoueur, m.NbBatonnets == 1 ? 3 : 0);
        expectAtRest(m, w);
    }
}

// What the player sees of a new game, in order: the sticks glide back into line, the
// lid closes (once any option has ever been clicked), the old message goes, the board
// is laid out, the lid opens, and only then does the computer move.
TEST(NewGame, VariantsAndTheOrderOfWhatIsSeen) {
    struct Row {
        const char* what;
        bool computerFirst, expert, optionClicked, secondGame;
        Board board;
        int inPlayAfter;
    };
    const Row rows[] = {
        {"Joueur, Normale", false, false, false, false, Board::Twenty, 20},
        {"Joueur, Expert", false, true, true, false, Board::TwentyOne, 21},
        {"Ordinateur, Normale", true, false, true, false, Board::Twenty, 17},
        {"Ordinateur, Expert", true, true, true, false, Board::Twenty, 17},
        {"the game after an option click", false, true, true, true, Board::TwentyOne, 21},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Game g;
        if (r.computerFirst) g.w.select(Option::DebutOrdinateur);
        if (r.expert) g.w.select(Option::ForceExpert);
        if (r.optionClicked) g.game.onForce(r.expert ? 1 : 0);
        if (r.secondGame) { // the first one played to its end: Jouer is enabled again
            g.game.onJouer();
            while (g.m().NbBatonnets > 1)
                g.take(1);
        }
        g.w.log.clear();
        g.game.onJouer();
        EXPECT_EQ(g.w.board, r.board);
        EXPECT_EQ(g.m().NbBatonnets, r.inPlayAfter);
        EXPECT_FALSE(g.w.jouer);
        g.checkInvariants();

        // The lid closes over the board, or in one pass when it is closed already.
        EXPECT_EQ(g.w.count(Op::RepaintLid), r.secondGame ? 858u : r.optionClicked ? 1u : 0u);
        const auto closed = g.w.find(Op::RepaintLid), cleared = g.w.find(Op::Text),
                   laidOut = g.w.find(Op::SetBoard);
        ASSERT_TRUE(g.w.find(Op::MoveStick) && cleared && laidOut);
        EXPECT_EQ(g.w.log[*cleared].text, "");
        if (closed) { // every stick back in line first, the message cleared after
            const auto movedLater = g.w.find(Op::MoveStick, false, *closed);
            EXPECT_TRUE(!movedLater || *movedLater > *cleared);
            EXPECT_LT(*closed, *cleared);
        }
        EXPECT_LT(*cleared, *laidOut);
        const auto opening = g.w.find(Op::RepaintWindow, false, *cleared);
        ASSERT_TRUE(opening);
        EXPECT_LT(*laidOut, *opening);
        if (r.computerFirst) { // on the open board, not behind the lid
            const auto computer =
                g.w.find([](const Event& e) { return e.op == Op::MoveStick && e.y < 36.0f; });
            ASSERT_TRUE(computer);
            EXPECT_LT(*g.w.find(Op::MoveLid, true), *computer);
        }
    }
}

TEST(PlayerTurn, TakenSticksIgnoreClicksAndTheThirdHandsOver) {
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
    g.checkInvariants();
}

TEST(PlayerTurn, AThirdStickLeavingOneWinsWithoutAReply) {
    Game g;
    g.game.onJouer();
    g.w.randoms = {0.0, 0.0, 0.0, 0.0};
    for (int k = 0; k < 4; ++k)
        g.take(3); // 17, 13, 9, 5 left, and the computer takes one each time
    ASSERT_EQ(g.m().NbBatonnets, 4);
    const auto computerMoves = g.w.count(Op::Reseed);
    g.take(3);
    EXPECT_EQ(g.w.text, texts::VousGagnez);
    EXPECT_EQ(g.w.count(Op::Reseed), computerMoves);
    g.checkInvariants();
}

TEST(PlayerTurn, RestartInTheMiddleOfATurnCannotConfirmAnEmptyMove) {
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
    g.checkInvariants();
}
