// Behaviour of the game's own controls: group exclusivity of option buttons, keyboard
// handling, disabled push buttons, and the cached painting picking up every change.
#include "window/qt/VkCommand.h"
#include "window/qt/VkFrame.h"
#include "window/qt/VkLabel.h"
#include "window/qt/VkOptionButton.h"

#include <QAccessible>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace batonnets;

namespace {

QFont boldPx(int px) {
    QFont f("Liberation Sans");
    f.setPixelSize(px);
    f.setBold(true);
    return f;
}

int countPixels(const QImage& img, QColor c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y).rgb() == c.rgb();
    return n;
}

// A window holding two frames; each group has a button in each frame, so exclusivity
// must follow the group number and not the Qt parent.
struct Window {
    QWidget top;
    VkFrame* left = new VkFrame("Force", Qt::red, Qt::darkRed, 21, Qt::white, boldPx(19), &top);
    VkFrame* right =
        new VkFrame("Début", Qt::green, Qt::darkGreen, 21, Qt::white, boldPx(19), &top);
    QList<VkOptionButton*> b; // group 1: indexes 0, 2, 1; group 2: indexes 0, 1
    Window() {
        top.resize(300, 200);
        left->setGeometry(0, 0, 140, 120);
        right->setGeometry(150, 0, 140, 120);
        const int groups[] = {1, 1, 1, 2, 2}, indexes[] = {0, 2, 1, 0, 1};
        for (int i = 0; i < 5; ++i) {
            b.append(new VkOptionButton(QString("Option %1").arg(i), groups[i], indexes[i],
                                        Qt::white, boldPx(13), i % 2 ? right : left));
            b.last()->setGeometry(10, 24 + 22 * (i / 2), 120, 21);
        }
    }
    QList<int> values() const {
        QList<int> v;
        for (auto* o : b)
            v.append(o->value());
        return v;
    }
};

} // namespace

class TestControls : public QObject {
    Q_OBJECT
  private slots:
    void optionExclusivity_data() {
        QTest::addColumn<QList<int>>("clicks"); // positions in Window::b
        QTest::addColumn<bool>("byCode");
        QTest::addColumn<QList<int>>("values");
        QTest::newRow("one") << QList<int>{0} << false << QList<int>{1, 0, 0, 0, 0};
        QTest::newRow("across frames") << QList<int>{0, 1} << false << QList<int>{0, 1, 0, 0, 0};
        QTest::newRow("groups apart") << QList<int>{0, 4} << false << QList<int>{1, 0, 0, 0, 1};
        QTest::newRow("again") << QList<int>{2, 2} << false << QList<int>{0, 0, 1, 0, 0};
        QTest::newRow("mixed") << QList<int>{3, 1, 4, 2} << false << QList<int>{0, 0, 1, 0, 1};
        QTest::newRow("setValue") << QList<int>{0, 2, 3} << true << QList<int>{0, 0, 1, 1, 0};
    }
    void optionExclusivity() {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, byCode);
        QFETCH(QList<int>, values);
        Window w;
        QList<int> emitted, expected;
        for (auto* o : w.b)
            connect(o, &VkOptionButton::optionClicked, [&](int i) { emitted.append(i); });
        for (int c : clicks) {
            if (byCode) {
                w.b[c]->setValue(1);
            } else {
                QTest::mouseClick(w.b[c], Qt::LeftButton);
                expected.append(w.b[c]->index());
            }
        }
        QCOMPARE(w.values(), values);
        QCOMPARE(emitted, expected); // every click, selected or not; code never emits
    }

    void arrowKeys_data() {
        QTest::addColumn<int>("start"); // index within group 1
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("disabled");
        QTest::addColumn<int>("selected");
        QTest::newRow("down") << 0 << int(Qt::Key_Down) << -1 << 1;
        QTest::newRow("right") << 1 << int(Qt::Key_Right) << -1 << 2;
        QTest::newRow("up") << 1 << int(Qt::Key_Up) << -1 << 0;
        QTest::newRow("left wraps") << 0 << int(Qt::Key_Left) << -1 << 2;
        QTest::newRow("down wraps") << 2 << int(Qt::Key_Down) << -1 << 0;
        QTest::newRow("skips disabled") << 0 << int(Qt::Key_Down) << 1 << 2;
        QTest::newRow("space keeps") << 1 << int(Qt::Key_Space) << -1 << 1;
    }
    void arrowKeys() {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, disabled);
        QFETCH(int, selected);
        Window w;
        auto byIndex = [&](int i) {
            return *std::find_if(w.b.begin(), w.b.begin() + 3,
                                 [i](auto* o) { return o->index() == i; });
        };
        w.b[3]->setValue(1);
        byIndex(start)->setValue(1);
        if (disabled >= 0) byIndex(disabled)->setEnabled(false);
        w.top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.top));
        byIndex(start)->setFocus();
        QSignalSpy spy(byIndex(selected), &VkOptionButton::optionClicked);
        QTest::keyClick(byIndex(start), Qt::Key(key));
        QCOMPARE(byIndex(selected)->value(), 1);
        QCOMPARE(w.values()[0] + w.values()[1] + w.values()[2], 1);
        QCOMPARE(w.values()[3], 1); // the other group is left alone
        QCOMPARE(w.top.focusWidget(), byIndex(selected));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), selected);
    }

    void commandClicks_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("mouse");
        QTest::addColumn<int>("clicks");
        QTest::newRow("enabled mouse") << true << true << 1;
        QTest::newRow("enabled space") << true << false << 1;
        QTest::newRow("disabled mouse") << false << true << 0;
        QTest::newRow("disabled space") << false << false << 0;
    }
    void commandClicks() {
        QFETCH(bool, enabled);
        QFETCH(bool, mouse);
        QFETCH(int, clicks);
        VkCommand c("Jouer", Qt::green, Qt::darkGreen, Qt::white, boldPx(24), nullptr);
        c.resize(111, 37);
        c.setEnabled(enabled);
        QSignalSpy spy(&c, &QAbstractButton::clicked);
        if (mouse)
            QTest::mouseClick(&c, Qt::LeftButton);
        else
            QTest::keyClick(&c, Qt::Key_Space);
        QCOMPARE(spy.count(), clicks);
    }

    void commandDisabledLook() {
        VkCommand c("Validez votre coup", QColor(255, 0, 255), QColor(128, 0, 128), Qt::white,
                    boldPx(24), nullptr);
        c.resize(317, 33);
        const QImage on = c.grab().toImage();
        c.setEnabled(false);
        const QImage off = c.grab().toImage();
        QVERIFY(on != off);
        const QPoint face(4, c.height() / 2); // left of the caption
        QVERIFY(on.pixelColor(face).hsvSaturation() > 150);
        QVERIFY(off.pixelColor(face).hsvSaturation() < 20); // greyed out
        c.setText("Fermer"); // Qt reports the live caption to assistive technology
        QCOMPARE(QAccessible::queryAccessibleInterface(&c)->text(QAccessible::Name), "Fermer");
    }

    void labelRepaints_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<bool>("greenShows");
        QTest::addColumn<bool>("blueShows");
        QTest::newRow("unchanged") << "A vous de jouer..." << QColor(0, 128, 0) << true << false;
        QTest::newRow("emptied") << "" << QColor(0, 128, 0) << false << false;
        QTest::newRow("recoloured") << "A vous de jouer..." << QColor(0, 0, 255) << false << true;
        QTest::newRow("new text") << "J'ai gagné !" << QColor(0, 0, 255) << false << true;
    }
    void labelRepaints() {
        QFETCH(QString, caption);
        QFETCH(QColor, color);
        QFETCH(bool, greenShows);
        QFETCH(bool, blueShows);
        QFont serif("Liberation Serif");
        serif.setPixelSize(29);
        serif.setBold(true);
        VkLabel l(serif, QColor(255, 255, 192), Qt::red, nullptr);
        l.resize(315, 42);
        l.setCaption("A vous de jouer...");
        l.setForeColor(QColor(0, 128, 0));
        QVERIFY(countPixels(l.grab().toImage(), QColor(0, 128, 0)) > 20); // fills the cache
        l.setCaption(caption);
        l.setForeColor(color);
        const QImage img = l.grab().toImage();
        QCOMPARE(countPixels(img, QColor(0, 128, 0)) > 20, greenShows);
        QCOMPARE(countPixels(img, QColor(0, 0, 255)) > 20, blueShows);
        QCOMPARE(l.accessibleName(), caption);
        l.setFlag(true); // only announces; the look must not change
        QVERIFY(l.flag());
        QCOMPARE(l.grab().toImage(), img);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
