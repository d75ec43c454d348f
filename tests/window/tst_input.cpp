// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the real window: clicks through the QWindow, keys typed into it as the player
// types them and where the focus goes after each, and what a screen reader hears and does.
#include <QTest>
#include <QTimer>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "GradientButton.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "StatusLabel.h"
#include "WindowFixture.h"
#include "game/Texts.h"

#include <map>

using namespace batonnets;
using namespace batonnets::test;

namespace {

// What a screen reader hears, in order, each read when its event came: what the game
// announces away from the focus (notifications that appear), and, in brackets, the control
// that takes the focus.
QStringList heard;
void record(QAccessibleEvent* e) {
    QAccessibleInterface* a = e->accessibleInterface();
    if (e->type() == QAccessible::ObjectShow && a->role() == QAccessible::Notification)
        heard.append(a->text(QAccessible::Name));
    if (e->type() == QAccessible::Focus && a->state().focused) // not the one that lost it
        heard.append('[' + a->text(QAccessible::Name) + ']');
}

// The sticks whose focus frame shows on the open board: elsewhere around each stick's
// place in the row the board shows, whatever the frame's look.
QStringList framed(GameWindow& w) {
    const QImage screen = w.screen();
    const QImage board = picture(w.f.board() == Board::Twenty ? "plateau20" : "plateau21");
    QStringList sticks;
    for (int i = 0; i <= 20; ++i) {
        const int left = int(w.f.stickLeft(i));
        const QRect frame(left - 6, 32, 36, 256), stick(left, 36, 24, 252);
        bool marked = false;
        for (int y = frame.top(); y <= frame.bottom() && frame.right() < 857; ++y)
            for (int x = frame.left(); x <= frame.right(); ++x)
                marked |= !stick.contains(x, y) && screen.pixel(x, y) != board.pixel(x, y);
        if (marked) sticks << QString("Batonnet%1").arg(i);
    }
    return sticks;
}

} // namespace

class TstInput : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // Qt delivers accessibility events only once a screen reader has asked for them;
        // with none here, switch it on as one would.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(record);
    }

    // Before a game the Tab chain walks the options, then Jouer, Quitter and the lid's
    // buttons; Validez is disabled and the sticks lie under the closed lid, so neither is a
    // stop. A stick is taken by a press and a release on it, as a button is: not when the
    // player slides off it before letting go.
    // A disabled button takes no click, and each option group is exclusive, apart from the
    // other; a click on the option selected leaves it so.
    void clicks() {
        GameWindow w;
        for (const char* stop : {"Force0", "Force1", "Debut0", "Debut1", "Jouer", "Quitter",
                                 "Fermer", "Ouvrir", "Force0"}) {
            QCOMPARE(w.focus(), QString::fromLatin1(stop));
            w.type(QKeySequence(Qt::Key_Tab));
        }
        w.click(w.f.force(1));
        w.click(w.f.force(1));
        w.click(w.f.debut(1));
        QCOMPARE(QList<int>({w.f.force(0)->value(), w.f.force(1)->value(), w.f.debut(0)->value(),
                             w.f.debut(1)->value()}),
                 QList<int>({0, 1, 0, 1}));
        w.click(w.f.debut(0)); // the player first
        w.click(w.f.jouer());
        w.click(w.f.joue()); // disabled: the computer would play
        const QPoint stick0(15 + 12, 150), beside(15 + 12 + 30, 150); // on stick 1 of 21
        QTest::mousePress(w.f.windowHandle(), Qt::LeftButton, {}, stick0);
        QTest::mouseMove(w.f.windowHandle(), beside);
        QTest::mouseRelease(w.f.windowHandle(), Qt::LeftButton, {}, beside);
        QCOMPARE(w.game.module().NbBatonnets, 21); // neither the computer nor the player took
        w.click(stick0);
        QCOMPARE(w.f.stickTop(0), TakenByPlayerTop);
        // The focus went to the next stick, unmarked for a player who clicks; an arrow key
        // marks it with a frame, a click hides the mark.
        for (const auto& [action, focus, marked] :
             {std::tuple{"", 1, false}, {"Right", 2, true}, {"click", 2, false}}) {
            if (QString(action) == "Right") w.type(QKeySequence(Qt::Key_Right));
            if (QString(action) == "click") w.click(QPoint(540, 360)); // on the status line
            settle();
            const QString stick = QString("Batonnet%1").arg(focus);
            QCOMPARE(w.focus(), stick);
            QCOMPARE(framed(w), marked ? QStringList{stick} : QStringList());
        }
    }

    // From a fresh window with the focus on Jouer (20 sticks, the player first), each row
    // types its keys; the focus must end where the row says; no focus: the program has
    // ended. The computer's move is fixed here: 19 leaves 17.
    void keys_data() {
        QTest::addColumn<QString>("keys"); // as QKeySequence::listFromString() reads them
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("left"); // sticks in play at the end, none before a game
        const auto row = [](const char* name, const char* keys, const char* focus, int left) {
            QTest::newRow(name) << QString(keys) << QString(focus) << left;
        };
        // Jouer hands the focus to the first stick, which Return takes as Space does.
        row("Return and Enter press", "Return; Enter", "Batonnet1", 19);
        // Tab leaves the row for Validez (a stop on a stick would take it).
        row("Validez then Space: the row", "Space; Space; Tab; Space", "Batonnet3", 17);
        // Sticks 19 and 20 taken, the last one with no neighbour to its right; either arrow
        // walking the wrong way, or the focus going first left, ends elsewhere.
        row("arrows skip the sticks taken; a stick taken hands on to its right, else left",
            "Space; End; Left; Space; Left; Right; Space; Left", "Batonnet16", 18);
        row("Shift+Tab leaves it", "Space; Right; Shift+Tab", "Quitter", 20);
        row("arrows walk the options", "Shift+Tab; Shift+Tab; Down", "Debut1", 0);
        row("Escape quits", "Space; Esc", "", 20);
        row("and Ctrl+Q", "Space; Ctrl+Q", "", 20);
    }
    void keys() {
        QFETCH(QString, keys);
        QFETCH(QString, focus);
        QFETCH(int, left);
        GameWindow w;
        w.f.jouer()->setFocus();
        for (const QKeySequence& k : QKeySequence::listFromString(keys))
            w.type(k);
        QCOMPARE(w.f.ended(), focus.isEmpty());
        QCOMPARE(w.game.module().NbBatonnets, left);
        if (!focus.isEmpty()) QCOMPARE(w.focus(), focus);
    }

    // Where the focus settles after each kind of handler, through a game of 20 sticks that
    // the computer wins, one the player wins and the start of the next: for a player at the
    // keyboard, who focuses each control and presses Space, and for one who clicks.
    // The keyboard's focus is marked (a frame round a stick, a button's own look changed),
    // nothing else on the board; the clicks' is not. A screen reader hears the new focus,
    // then what the moment says, and at a game's end the result, then Jouer.
    void focusAfterEachHandler() {
        struct Step {
            const char* press; // the controls, one handler each; checked after the last
            const char *keyboard, *mouse, *heard;
        };
        const Step steps[] = {
            {"Jouer", "Batonnet0", "Batonnet0", "[Bâtonnet 1]|A vous de jouer..."},
            {"Ouvrir", "Ouvrir", "Ouvrir", "Couvercle ouvert"},
            {"Batonnet0", "Batonnet1", "Ouvrir", "[Bâtonnet 2]|Il en reste 19."},
            {"Joue", "Batonnet3", "Batonnet3",
             "L'ordinateur joue|[Bâtonnet 4]|L'ordinateur prend 2 bâtonnets, il en reste 17. "
             "A vous de jouer..."},
            {"Fermer", "Fermer", "Fermer", "Couvercle fermé"},
            {"Ouvrir Batonnet3 Batonnet4", "Batonnet5", "Ouvrir", "[Bâtonnet 6]|Il en reste 15."},
            {"Batonnet5", "Batonnet7", "Ouvrir", // the third stick: the computer answers
             "Il en reste 14. L'ordinateur joue|[Bâtonnet 8]|L'ordinateur prend 1 bâtonnet, il "
             "en reste 13. A vous de jouer..."},
            {"Batonnet7 Joue Batonnet11 Joue Batonnet15 Joue", "Jouer", "Jouer",
             "L'ordinateur joue|L'ordinateur prend 3 bâtonnets, il en reste 1. J'ai gagné !|"
             "[Jouer]"},
            {"Jouer", "Batonnet0", "Batonnet0", "[Bâtonnet 1]|A vous de jouer..."},
            {"Batonnet0 Batonnet1 Batonnet2 Batonnet4 Batonnet5 Batonnet6 Batonnet8 Batonnet9 "
             "Batonnet10 Batonnet12 Batonnet13 Batonnet14 Batonnet16 Batonnet17 Batonnet18",
             "Jouer", "Jouer", "Il en reste 1. Vous gagnez !|[Jouer]"}, // the computer takes one
            {"Jouer", "Batonnet0", "Batonnet0", "[Bâtonnet 1]|A vous de jouer..."},
        };
        for (const bool keyboard : {true, false}) {
            GameWindow w;
            std::map<QWidget*, QImage> unfocused; // enabled, neither hovered nor pressed
            for (QWidget* b : {w.f.jouer(), w.f.ouvrir(), w.f.fermer()})
                unfocused[b] = w.screen().copy(b->geometry());
            for (const Step& step : steps) {
                for (const QString& name : QString(step.press).split(' ')) {
                    auto* c = w.f.findChild<QWidget*>(name);
                    if (keyboard) c->setFocus();
                    heard.clear();
                    keyboard ? w.type(Qt::Key_Space) : w.click(c);
                }
                QTest::mouseMove(w.f.windowHandle(), {540, 300}); // off every control
                settle();
                const QString at = keyboard ? step.keyboard : step.mouse;
                QVERIFY2(w.focus() == at, qPrintable(w.focus() + " after " + step.press));
                if (keyboard) QCOMPARE(heard.join('|'), QString::fromUtf8(step.heard));
                auto* focused = qobject_cast<GradientButton*>(qApp->focusWidget());
                if (unfocused.count(focused))
                    QVERIFY2((w.screen().copy(focused->geometry()) == unfocused[focused]) !=
                                 keyboard,
                             qPrintable(at + ' ' + step.press));
                if (w.f.lidLeft() > 0)
                    QCOMPARE(framed(w), keyboard && !focused ? QStringList{at} : QStringList());
            }
        }
    }

    // What a screen reader is told beyond the moves the focus table hears: a message shown
    // again, the lid, the row of sticks as one group (its count tst_language hears). Its
    // presses wait, whole, for the running handler, in the order they came, and are judged
    // when carried out: a stick reached then, a button enabled then.
    void screenReader() {
        GameWindow w;
        const auto stick = [&](int i) { return acc(w.f.batonnet(i)); };
        const auto press = [&](QWidget* c) {
            acc(c)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        };
        // Presses arriving, in this order, while the handler the click starts runs its
        // animations.
        const auto pressDuring = [&](QList<QWidget*> presses, QWidget* clicked) {
            for (QWidget* c : presses)
                QTimer::singleShot(0, c, [&, c] { press(c); });
            w.click(clicked);
        };
        const auto u = [](const char* utf8) { return QString::fromUtf8(utf8); };
        for (int i : {3, 20}) // under the closed lid, and outside the window
            QVERIFY(stick(i)->state().offscreen && !stick(i)->state().focusable);
        QAccessibleInterface* row = stick(0)->parent();
        QCOMPARE(row->role(), QAccessible::Grouping);
        QCOMPARE(row->parent()->object(), &w.f);
        QCOMPARE(row->child(row->indexOfChild(stick(7))), stick(7));
        heard.clear();
        w.click(w.f.jouer());
        press(w.f.batonnet(0));
        QCoreApplication::sendPostedEvents(); // carried out from the event loop
        w.click(w.f.joue());
        const QString aVous = u(texts::AVousDeJouer);
        QVERIFY(!stick(19)->state().offscreen && stick(19)->state().focusable);
        press(w.f.batonnet(20)); // outside the window, out of reach
        QCoreApplication::sendPostedEvents();
        QCOMPARE(w.game.module().NbBatonnets, 17);
        heard.clear();
        w.f.setResultatText(texts::AVousDeJouer); // shown again: said at the flag
        w.f.setResultatFlag(true);
        w.f.settleControls();
        // Stick 3, within reach as the lid starts to close, is out of reach once it has.
        pressDuring({w.f.batonnet(3)}, w.f.fermer());
        QCOMPARE(heard, (QStringList{aVous, "[Fermer]", u(texts::CouvercleFerme)}));
        QCOMPARE(w.f.stickTop(3), InPlayTop);
        // Fermer then Ouvrir, pressed as the lid opens, are carried out in that order.
        pressDuring({w.f.fermer(), w.f.ouvrir()}, w.f.ouvrir());
        QCOMPARE(w.f.lidLeft(), 857.0f);
        // Validez pressed as the third stick slides waits for the running handler, which
        // hands over to the computer and disables Validez: then it does nothing. Run inside
        // that handler, or once disabled, it would let the computer play twice.
        w.click(w.f.batonnet(3));
        w.click(w.f.batonnet(4));
        pressDuring({w.f.joue()}, w.f.batonnet(5));
        QCOMPARE(w.game.module().NbBatonnets, 13); // the computer took one
        // Joueur and Expert, and Ordinateur pressed as Jouer's animations run: the game that
        // starts reads Joueur (21 sticks, the player first); then the press selects
        // Ordinateur, which arms Jouer again.
        w.click(w.f.force(1));
        pressDuring({w.f.debut(1)}, w.f.jouer());
        QCOMPARE(w.game.module().NbBatonnets, 21);
        QCOMPARE(QList<int>({w.f.debut(0)->value(), w.f.debut(1)->value()}), QList<int>({0, 1}));
        QVERIFY(w.f.jouer()->isEnabled());
    }
};

QTEST_MAIN(TstInput)
#include "tst_input.moc"
