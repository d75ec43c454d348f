// Playing with the keyboard alone: keys typed into the window, as the player types them,
// reach the focused control; where the focus goes after each key, and a whole game won.
#include <QApplication>
#include <QTest>

#include "GradientButton.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "StatusLabel.h"
#include "WindowFixture.h"
#include "game/Texts.h"

using namespace batonnets;
using namespace batonnets::test;

namespace {

struct Keyboard : GameWindow {
    Keyboard() {
        QApplication::setActiveWindow(&f);
        if (!QTest::qWaitForWindowActive(&f)) qFatal("window not active");
        f.jouer()->setFocus();
    }
    void type(const QKeySequence& keys) {
        for (int k = 0; k < keys.count(); ++k)
            QTest::keyClick(f.windowHandle(), keys[k].key(), keys[k].keyboardModifiers());
    }
    QString focus() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    }
};

} // namespace

class TstKeyboard : public QObject {
    Q_OBJECT
  private slots:
    // From a fresh window with the focus on Jouer (20 sticks, the player first), each row
    // types its keys; the focus must end where the row says, and, when that is a stick,
    // Space must then take it. The computer's moves are fixed here: 19 leaves 17, 14
    // leaves 13.
    void focusSequences() {
        using K = QKeySequence;
        const QKeySequence Space(Qt::Key_Space), Tab(Qt::Key_Tab);
        struct Row {
            const char* name;
            std::vector<QKeySequence> keys;
            const char* focus;
            int left; // sticks in play at the end
        };
        const Row rows[] = {
            {"Jouer then Space: the first stick", {Space}, "Batonnet0", 20},
            {"Return presses too", {K(Qt::Key_Return), K(Qt::Key_Enter)}, "Batonnet1", 19},
            {"a stick taken hands on to the right", {Space, Space, Space}, "Batonnet2", 18},
            {"Validez then Space: the row", {Space, Space, Tab, Space}, "Batonnet3", 17},
            {"a third stick then Space: the row",
             {Space, Space, Tab, Space, Space, Space, Space},
             "Batonnet7",
             13},
            {"arrows skip the sticks taken",
             {Space, K(Qt::Key_Right), K(Qt::Key_Right), Space, K(Qt::Key_Left), Space},
             "Batonnet3",
             18},
            {"Home and End", {Space, K(Qt::Key_End)}, "Batonnet19", 20},
            {"End stays in play", {Space, K(Qt::Key_End), Space, K(Qt::Key_End)}, "Batonnet18", 19},
            {"the row is one stop", {Space, Space, Tab}, "Joue", 19},
            {"Shift+Tab leaves it",
             {Space, K(Qt::Key_Right), K(Qt::SHIFT | Qt::Key_Tab)},
             "Quitter",
             20},
        };
        for (const Row& r : rows) {
            Keyboard w;
            for (const QKeySequence& k : r.keys)
                w.type(k);
            QVERIFY2(!w.f.ended(), r.name);
            QVERIFY2(w.f.isVisible(), r.name);
            QCOMPARE(w.focus(), QString::fromLatin1(r.focus));
            QCOMPARE(w.game.module().NbBatonnets, r.left);
            auto* stick = qobject_cast<PictureBox*>(QApplication::focusWidget());
            if (!stick) continue;
            QVERIFY2(w.f.stickTop(stick->index()) == InPlayTop, r.name);
            w.type(Space);
            QVERIFY2(w.f.stickTop(stick->index()) == TakenByPlayerTop, r.name);
        }
    }

    // Escape and Ctrl+Q do what Quitter does: realign, close the lid, end.
    // Before a game: the options, then Jouer, Quitter and the lid's buttons; Validez is
    // disabled and the sticks lie under the closed lid, so neither is a stop.
    void tabChainBeforeAGame() {
        Keyboard w;
        w.f.force(0)->setFocus();
        for (const char* next :
             {"Force1", "Debut0", "Debut1", "Jouer", "Quitter", "Fermer", "Ouvrir", "Force0"}) {
            w.type(QKeySequence(Qt::Key_Tab));
            QCOMPARE(w.focus(), QString::fromLatin1(next));
        }
    }

    void quitKeys() {
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_Q)}) {
            Keyboard w;
            w.type(QKeySequence(Qt::Key_Space));
            w.type(QKeySequence(Qt::Key_Space));
            w.type(keys);
            QVERIFY(w.f.ended());
            QCOMPARE(w.f.stickTop(0), InPlayTop);
            QCOMPARE(w.f.lidLeft(), 0.0f);
        }
    }

    // Space, Tab and Return only: the player opens with three sticks, then always leaves
    // 4k + 1, and wins.
    void wholeGame() {
        Keyboard w;
        w.type(QKeySequence(Qt::Key_Space));
        for (int turn = 0; turn < 10 && w.game.module().NbBatonnets > 1; ++turn) {
            const int n = w.game.module().NbBatonnets;
            const int take = turn == 0 ? 3 : (n - 1) % 4;
            QVERIFY2(take > 0, "the computer left a winning count");
            for (int k = 0; k < take; ++k)
                w.type(QKeySequence(Qt::Key_Space));
            if (take < 3 && w.game.module().NbBatonnets > 1) {
                w.type(QKeySequence(Qt::Key_Tab));
                QCOMPARE(w.focus(), QStringLiteral("Joue"));
                w.type(QKeySequence(Qt::Key_Return));
            }
        }
        QCOMPARE(w.f.resultat()->caption(), QString::fromUtf8(texts::VousGagnez));
        QVERIFY(!w.f.ended());
    }
};

QTEST_MAIN(TstKeyboard)
#include "tst_keyboard.moc"
