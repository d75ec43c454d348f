// What a screen reader learns from the window: names, roles and states in French, every
// message of the status line announced once, and the sticks taken by their action.
#include <QAccessible>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "GradientButton.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "StatusLabel.h"
#include "WindowFixture.h"
#include "game/Texts.h"

using namespace batonnets;
using namespace batonnets::test;

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

// The messages the status line announced (as a notification that appears, what a screen
// reader speaks away from the focus), each read when its event came.
QStringList annonces;
void enregistre(QAccessibleEvent* e) {
    if (e->type() == QAccessible::ObjectShow && qobject_cast<StatusLabel*>(e->object()))
        annonces.append(e->accessibleInterface()->text(QAccessible::Name));
}

QAccessibleInterface* acc(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

} // namespace

class TstAccessibility : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // Qt delivers accessibility events only once a screen reader has asked for them;
        // with none here, switch it on as one would.
        QPlatformAccessibility* pf = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(pf);
        pf->setActive(true);
        QAccessible::installUpdateHandler(enregistre);
    }
    void init() { annonces.clear(); }

    // One row for each kind of control, as the window opens; the buttons' names are their
    // captions, which the window tests check.
    void namesAndRoles() {
        struct Row {
            const char* object;
            QAccessible::Role role;
            const char* name;
            const char* description;
            int checked;
        };
        const Row rows[] = {// checked: -1 if not checkable
                            {"Base_Batonnets", QAccessible::Window, texts::WindowTitle, "", -1},
                            {"Batonnet0", QAccessible::Button, "Bâtonnet 1", texts::EnJeu, -1},
                            {"Batonnet20", QAccessible::Button, "Bâtonnet 21", texts::EnJeu, -1},
                            {"Couvercle", QAccessible::Graphic, "Couvercle", texts::Ferme, -1},
                            {"Resultat", QAccessible::Notification, "", "", -1},
                            {"Jouer", QAccessible::Button, texts::Jouer, "", -1},
                            {"vkFrame2", QAccessible::Grouping, texts::Debut, "", -1},
                            {"Force0", QAccessible::RadioButton, texts::Normale, "", 1},
                            {"Debut1", QAccessible::RadioButton, texts::Ordinateur, "", 0}};
        GameWindow w;
        for (const auto& r : rows) {
            QObject* o = w.f.objectName() == r.object ? &w.f : w.f.findChild<QWidget*>(r.object);
            QAccessibleInterface* i = acc(o);
            QVERIFY2(i && i->isValid(), r.object);
            QCOMPARE(i->role(), r.role);
            QCOMPARE(i->text(QAccessible::Name), u8(r.name));
            QCOMPARE(i->text(QAccessible::Description), u8(r.description));
            QCOMPARE(i->state().checkable, r.checked >= 0);
            if (r.checked >= 0) QCOMPARE(int(i->state().checked), r.checked);
            if (r.checked == 0) { // the screen reader selects it, as the player would by a click
                i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                QVERIFY(i->state().checked);
            }
            if (o != &w.f) QVERIFY(i->parent() && i->parent()->indexOfChild(i) >= 0); // reachable
        }
    }

    void everyMessageAnnounced() {
        GameWindow w;
        annonces.clear(); // the window showing its controls is no message
        const QString aVous = u8(texts::AVousDeJouer);
        w.click(w.f.jouer());
        QCOMPARE(annonces, QStringList{aVous});
        // The player takes a stick and validates: the computer plays, then hands back.
        annonces.clear();
        w.click(w.leftmostInPlay());
        w.click(w.f.joue());
        QCOMPARE(annonces, (QStringList{u8(texts::OrdinateurJoue), aVous}));
        QCOMPARE(acc(w.f.resultat())->text(QAccessible::Name), aVous);
        // The same message again is still spoken.
        annonces.clear();
        w.f.setResultatText(texts::AVousDeJouer);
        w.f.setResultatFlag(true);
        QCOMPARE(annonces, QStringList{aVous});
    }

    // The sticks through their action alone, as a screen reader takes them: the state
    // each is said to be in, showing only where the player could click it, and pressing
    // one does what a click does.
    void sticks() {
        GameWindow w;
        const auto stick = [&](int i) { return acc(w.f.batonnet(i)); };
        const auto press = [&](int i) {
            stick(i)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCoreApplication::sendPostedEvents(); // the press is carried out from the event loop
        };
        for (int i : {3, 20}) // under the closed lid, and outside the window
            QVERIFY(stick(i)->state().offscreen);
        press(3); // which a click could not reach either
        QCOMPARE(w.f.stickTop(3), InPlayTop);
        w.click(w.f.jouer());
        QCOMPARE(acc(w.f.couvercle())->text(QAccessible::Description), u8(texts::Ouvert));
        press(0);
        w.click(w.f.joue());
        // The player took stick 0, the computer 1 and 2 (19 leaves 17); stick 20 lies
        // outside the window, not showing and out of reach.
        const char* states[] = {texts::PrisParVous, texts::PrisParOrdinateur,
                                texts::PrisParOrdinateur, texts::EnJeu};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(stick(i)->text(QAccessible::Description), u8(states[i]));
        for (int i : {3, 19})
            QVERIFY(!stick(i)->state().offscreen && stick(i)->state().focusable);
        QVERIFY(stick(20)->state().offscreen && !stick(20)->state().focusable);
        press(20);
        QCOMPARE(w.game.module().NbBatonnets, 17);
        press(19);
        QCOMPARE(w.game.module().NbBatonnets, 16);
    }
};

QTEST_MAIN(TstAccessibility)
#include "tst_accessibility.moc"
