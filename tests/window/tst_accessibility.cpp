// What a screen reader learns from the window: names and roles in French, every message
// of the status line announced once, and a game started from the keyboard alone.
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "GradientButton.h"
#include "OptionButton.h"
#include "StatusLabel.h"
#include "WindowFixture.h"
#include "game/Texts.h"

using namespace batonnets;
using namespace batonnets::test;

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

// The names the status line announced, each read when its event came.
QStringList annonces;
void enregistre(QAccessibleEvent* e) {
    if (e->type() == QAccessible::NameChanged && qobject_cast<StatusLabel*>(e->object()))
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

    // One row for each kind of control; the buttons' names are their captions, which the
    // window tests check.
    void namesAndRoles() {
        struct Row {
            const char* object;
            QAccessible::Role role;
            const char* name;
            int checked;
        };
        const Row rows[] = {// checked: -1 if not checkable
                            {"Batonnet0", QAccessible::Graphic, "Bâtonnet 1", -1},
                            {"Batonnet20", QAccessible::Graphic, "Bâtonnet 21", -1},
                            {"Couvercle", QAccessible::Graphic, "Couvercle", -1},
                            {"Resultat", QAccessible::StaticText, "", -1},
                            {"Jouer", QAccessible::Button, texts::Jouer, -1},
                            {"vkFrame2", QAccessible::Grouping, texts::Debut, -1},
                            {"Force0", QAccessible::RadioButton, texts::Normale, 1},
                            {"Debut1", QAccessible::RadioButton, texts::Ordinateur, 0}};
        GameWindow w;
        for (const auto& r : rows) {
            QAccessibleInterface* i = acc(w.f.findChild<QWidget*>(r.object));
            QVERIFY2(i && i->isValid(), r.object);
            QCOMPARE(i->role(), r.role);
            QCOMPARE(i->text(QAccessible::Name), u8(r.name));
            QCOMPARE(i->state().checkable, r.checked >= 0);
            if (r.checked >= 0) QCOMPARE(int(i->state().checked), r.checked);
            if (r.checked == 0) { // the screen reader selects it, as the player would by a click
                i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                QVERIFY(i->state().checked);
            }
            QVERIFY(i->parent() && i->parent()->indexOfChild(i) >= 0); // reachable from above
        }
    }

    void everyMessageAnnounced() {
        GameWindow w;
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

    // Tab from the first option to Jouer, then Space. (Arrows within a group are checked
    // on the controls themselves.)
    void keyboardOnly() {
        GameWindow w;
        QApplication::setActiveWindow(&w.f);
        w.f.force(0)->setFocus();
        for (int k = 0; k < 4; ++k)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.f.jouer());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(w.f.resultat()->caption(), u8(texts::AVousDeJouer)); // a game is on
        QVERIFY(!w.f.jouer()->isEnabled());
    }
};

QTEST_MAIN(TstAccessibility)
#include "tst_accessibility.moc"
