// What a screen reader learns from the window: names and roles in French, every message
// of the status line announced, and a game set up and started from the keyboard alone.
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "PictureBox.h"
#include "VkCommand.h"
#include "VkLabel.h"
#include "VkOptionButton.h"
#include "WindowFixture.h"
#include "window/Textes.h"

using namespace batonnets;
using namespace batonnets::test;

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

// The names the status line announced, each read when its event came.
QStringList annonces;
void enregistre(QAccessibleEvent* e) {
    if (e->type() == QAccessible::NameChanged && qobject_cast<VkLabel*>(e->object()))
        annonces.append(e->accessibleInterface()->text(QAccessible::Name));
}

QAccessibleInterface* acc(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

int prisParOrdi(const BatonnetsWindow& f) {
    int n = 0;
    for (int i = 0; i <= 20; ++i) n += f.stickTop(i) == PrisOrdi;
    return n;
}

} // namespace

class TstAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { annonces.clear(); }
    void namesAndRoles_data();
    void namesAndRoles();
    void everyMessageAnnounced();
    void optionSelectedByScreenReader();
    void keyboardOnly_data();
    void keyboardOnly();
};

void TstAccessibility::initTestCase() {
    // Qt delivers accessibility events only once a screen reader has asked for them; with
    // none here, switch it on as one would.
    QPlatformAccessibility* pf = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(pf);
    pf->setActive(true);
    QVERIFY(QAccessible::isActive());
    QAccessible::installUpdateHandler(enregistre);
}

void TstAccessibility::namesAndRoles_data() {
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("checked"); // -1: not checkable
    const auto row = [](const char* o, QAccessible::Role r, const char* n, int c = -1) {
        QTest::newRow(o) << QString::fromLatin1(o) << int(r) << u8(n) << c;
    };
    row("Batonnet0", QAccessible::Graphic, "Bâtonnet 1");
    row("Batonnet9", QAccessible::Graphic, "Bâtonnet 10");
    row("Batonnet20", QAccessible::Graphic, "Bâtonnet 21");
    row("Couvercle", QAccessible::Graphic, "Couvercle");
    row("Resultat", QAccessible::StaticText, "");
    row("Jouer", QAccessible::Button, textes::Jouer);
    row("Joue", QAccessible::Button, textes::Joue);
    row("Ouvrir", QAccessible::Button, textes::Ouvrir);
    row("Fermer", QAccessible::Button, textes::Fermer);
    row("Quitter", QAccessible::Button, textes::Quitter);
    row("vkFrame1", QAccessible::Grouping, textes::Force);
    row("vkFrame2", QAccessible::Grouping, textes::Debut);
    row("Force0", QAccessible::RadioButton, textes::Normale, 1);
    row("Force1", QAccessible::RadioButton, textes::Expert, 0);
    row("Debut0", QAccessible::RadioButton, textes::Joueur, 1);
    row("Debut1", QAccessible::RadioButton, textes::Ordinateur, 0);
}

void TstAccessibility::namesAndRoles() {
    QFETCH(QString, object);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(int, checked);
    Fenetre w;
    auto* o = w.f.findChild<QWidget*>(object);
    QVERIFY(o);
    QAccessibleInterface* i = acc(o);
    QVERIFY(i && i->isValid());
    QCOMPARE(int(i->role()), role);
    QCOMPARE(i->text(QAccessible::Name), name);
    QCOMPARE(i->state().checkable, checked >= 0);
    if (checked >= 0) QCOMPARE(int(i->state().checked), checked);
    // A screen reader walks down from the window: each control is a child of a child… of it.
    QVERIFY(i->parent() && i->parent()->indexOfChild(i) >= 0);
    QAccessibleInterface* p = i;
    while (p && p->object() != &w.f) p = p->parent();
    QVERIFY(p);
}

void TstAccessibility::everyMessageAnnounced() {
    Fenetre w;
    const QString aVous = u8(textes::AVousDeJouer);
    w.click(w.f.jouer());
    QCOMPARE(annonces, QStringList{aVous});

    // The player takes a stick and validates: the computer plays, then hands back.
    annonces.clear();
    w.click(w.leftmostInPlay());
    w.click(w.f.joue());
    QCOMPARE(annonces, (QStringList{u8(textes::OrdinateurJoue), aVous}));
    QCOMPARE(acc(w.f.resultat())->text(QAccessible::Name), aVous);

    // The same message again is still spoken.
    annonces.clear();
    w.f.setResultatText(textes::AVousDeJouer);
    w.f.setResultatFlag(true);
    QCOMPARE(annonces, QStringList{aVous});
}

void TstAccessibility::optionSelectedByScreenReader() {
    Fenetre w;
    QAccessibleInterface* i = acc(w.f.debut(1));
    QVERIFY(i->actionInterface());
    QVERIFY(i->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(w.f.debut(1)->value(), 1);
    QCOMPARE(w.f.debut(0)->value(), 0);
    QVERIFY(i->state().checked);
    QCOMPARE(w.jeu.module().OptionModifiee, Vrai); // the game heard it, as from a click
}

void TstAccessibility::keyboardOnly_data() {
    QTest::addColumn<QList<int>>("keys"); // from the first option button, which has focus
    QTest::addColumn<int>("force");       // option selected in each group
    QTest::addColumn<int>("debut");
    const int tab = Qt::Key_Tab, down = Qt::Key_Down, up = Qt::Key_Up, space = Qt::Key_Space;
    QTest::newRow("Tab to Jouer") << QList<int>{tab, tab, tab, tab, space} << 0 << 0;
    QTest::newRow("arrow to Ordinateur")
        << QList<int>{tab, tab, down, tab, space} << 0 << 1;
    QTest::newRow("arrows within Force")
        << QList<int>{down, up, down, tab, tab, tab, space} << 1 << 0;
    QTest::newRow("Space selects")
        << QList<int>{tab, tab, tab, space, tab, space} << 0 << 1;
}

void TstAccessibility::keyboardOnly() {
    QFETCH(QList<int>, keys);
    QFETCH(int, force);
    QFETCH(int, debut);
    Fenetre w;
    QApplication::setActiveWindow(&w.f);
    w.f.force(0)->setFocus();
    for (int k : keys) {
        if (k == Qt::Key_Space) QVERIFY(QApplication::focusWidget()); // something to press
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k));
    }
    for (int g = 0; g < 2; ++g) {
        QCOMPARE(w.f.force(g)->value(), int(g == force));
        QCOMPARE(w.f.debut(g)->value(), int(g == debut));
    }
    // The last Space pressed Jouer: a game is on, begun by whoever was chosen.
    QCOMPARE(w.f.resultat()->caption(), u8(textes::AVousDeJouer));
    QVERIFY(!w.f.jouer()->isEnabled());
    QCOMPARE(prisParOrdi(w.f) > 0, debut == 1);
}

QTEST_MAIN(TstAccessibility)
#include "tst_accessibility.moc"
