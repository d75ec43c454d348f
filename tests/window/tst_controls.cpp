// What only our own controls' code decides: option groups that follow the group number
// across parents, arrow keys within a group, disabled push buttons, and a status line
// whose cached face picks up every change.
#include "window/GradientButton.h"
#include "window/OptionButton.h"
#include "window/StatusLabel.h"

#include <QSignalSpy>
#include <QTest>

using namespace batonnets;

namespace {

// Group 1 is b[0..2], indexes 0 to 2, split over two parents so that neither the Qt
// parent nor the order Qt lists them in matches the group (the real window keeps each
// group in one frame, in order). b[3] is group 2.
struct Options {
    QWidget top;
    QWidget* parents[2] = {new QWidget(&top), new QWidget(&top)};
    QList<OptionButton*> b;
    QList<int> emitted; // indexes, as optionClicked told them
    Options() {
        for (int i = 0; i < 4; ++i) {
            b << new OptionButton(QString::number(i), i < 3 ? 1 : 2, i % 3, Qt::white, QFont(),
                                  parents[i % 2]);
            QObject::connect(b[i], &OptionButton::optionClicked, [this](int k) { emitted << k; });
        }
    }
    QList<int> values() const {
        QList<int> v;
        for (auto* o : b)
            v << o->value();
        return v;
    }
};

} // namespace

class TestControls : public QObject {
    Q_OBJECT
  private slots:
    void optionExclusivity() {
        // Clicks (positions in b, or -1 - position for setValue(1) from code), the values
        // then, and the indexes told.
        const QList<int> rows[][3] = {
            {{0, 1}, {0, 1, 0, 0}, {0, 1}}, // across parents
            {{0, 3}, {1, 0, 0, 1}, {0, 0}}, // groups apart
            {{2, 2}, {0, 0, 1, 0}, {2, 2}}, // the selected one clicked again still tells
            {{-1, -3}, {0, 0, 1, 0}, {}}};  // code: exclusive too, and silent
        for (const auto& [clicks, values, emitted] : rows) {
            Options w;
            for (int c : clicks)
                c < 0 ? w.b[-1 - c]->setValue(1) : QTest::mouseClick(w.b[c], Qt::LeftButton);
            QCOMPARE(w.values(), values);
            QCOMPARE(w.emitted, emitted);
        }
    }

    void arrowKeys() {
        Options w;
        w.b[0]->setValue(1);
        w.b[3]->setValue(1);
        w.b[0]->setFocus();
        // Each key pressed where the step before left the focus: the key, a button disabled
        // first (or -1), the button then selected and focused.
        const int steps[][3] = {{Qt::Key_Down, -1, 1}, {Qt::Key_Right, -1, 2},
                                {Qt::Key_Down, -1, 0}, {Qt::Key_Left, -1, 2},
                                {Qt::Key_Up, -1, 1},   {Qt::Key_Up, 0, 2}};
        QList<int> told;
        for (const auto [key, disabled, to] : steps) {
            if (disabled >= 0) w.b[disabled]->setEnabled(false);
            QTest::keyClick(w.top.focusWidget(), Qt::Key(key));
            QList<int> expected{0, 0, 0, 1}; // group 2 left alone
            expected[to] = 1;
            QCOMPARE(w.values(), expected);
            QCOMPARE(w.top.focusWidget(), w.b[to]);
            told << to;
        }
        QCOMPARE(w.emitted, told); // as a click would
    }

    void disabledCommand() {
        GradientButton c("Validez votre coup", QColor(255, 0, 255), QColor(128, 0, 128), Qt::white,
                         QFont(), nullptr);
        c.resize(317, 33);
        QSignalSpy spy(&c, &QAbstractButton::clicked);
        for (bool enabled : {true, false}) {
            c.setEnabled(enabled);
            QTest::mouseClick(&c, Qt::LeftButton);
            QTest::keyClick(&c, Qt::Key_Space);
            QCOMPARE(spy.count(), 2); // the enabled mouse click and Space only
            const int saturation = c.grab().toImage().pixelColor(4, 16).hsvSaturation();
            QVERIFY(enabled ? saturation > 150 : saturation < 20); // greyed out when off
        }
    }

    void labelRepaints() {
        // Each step changes one thing on the face the step before left cached: what shows
        // must be new, and what a label that never showed anything else draws.
        const QColor green(0, 128, 0), blue(0, 0, 255);
        const std::pair<QString, QColor> steps[] = {
            {"A vous de jouer...", green}, {"", green}, {"Perdu !", green}, {"Perdu !", blue}};
        const QFont font("Liberation Serif", 22, QFont::Bold);
        StatusLabel l(font, QColor(255, 255, 192), Qt::red, nullptr);
        QImage before;
        for (const auto& [caption, colour] : steps) {
            StatusLabel fresh(font, QColor(255, 255, 192), Qt::red, nullptr);
            for (StatusLabel* x : {&l, &fresh}) {
                x->resize(315, 42);
                x->setCaption(caption);
                x->setForeColor(colour);
            }
            const QImage now = l.grab().toImage();
            QVERIFY(now != before);
            QCOMPARE(now, fresh.grab().toImage());
            before = now;
        }
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
