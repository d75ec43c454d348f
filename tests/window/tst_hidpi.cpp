// The window on a screen of twice the usual density (QT_SCALE_FACTOR=2), drawn from the
// 2x pictures pixel for pixel, and of one and a half (1.5), drawn from them brought down
// to that scale; the game still works in logical pixels.
#include <QBackingStore>
#include <QGuiApplication>
#include <QTest>

#include "GradientButton.h"
#include "PictureBox.h"
#include "StatusLabel.h"
#include "WindowFixture.h"
#include "game/Texts.h"

using namespace batonnets;
using namespace batonnets::test;

namespace {

// What the window last put on the screen, in device pixels. Read from its backing store
// because on the offscreen platform QScreen::grabWindow clips the grab to the window's
// logical size, which would return only the top-left quarter of a 2x window.
QImage shownOnScreen(const BatonnetsWindow& f) {
    QCoreApplication::processEvents(); // updates still queued
    const auto* img = dynamic_cast<const QImage*>(f.backingStore()->paintDevice());
    return img ? img->convertToFormat(QImage::Format_RGB32) : QImage();
}

QImage asset(const QString& name) {
    return QImage(QStringLiteral(":/assets/") + name + QStringLiteral(".jpg"))
        .convertToFormat(QImage::Format_RGB32);
}

// Pixels of the screen's `area` that differ from `picture` read from `origin` on, all in
// device pixels.
int differences(const QImage& screen, QRect area, const QImage& picture, QPoint origin) {
    int n = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            n += screen.pixel(area.left() + x, area.top() + y) !=
                 picture.pixel(origin.x() + x, origin.y() + y);
    return n;
}

QRect doubled(QRect r) {
    return {r.topLeft() * 2, r.size() * 2};
}

// Mean difference, per colour channel, between the screen's `area` (logical) and the 2x
// picture brought to the screen's scale, read from `origin` (logical) on; a margin of
// two device pixels is left out, where neighbours blend.
double meanDifference(const QImage& screen, QRect area, const QImage& hd, QPoint origin,
                      qreal scale) {
    const QImage expected =
        hd.scaled(hd.size() * scale / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QPoint at = (QPointF(area.topLeft()) * scale).toPoint(),
                 from = (QPointF(origin) * scale).toPoint();
    long total = 0, n = 0;
    for (int y = 2; y < area.height() * scale - 2; ++y)
        for (int x = 2; x < area.width() * scale - 2; ++x, ++n) {
            const QRgb a = screen.pixel(at + QPoint(x, y)), b = expected.pixel(from + QPoint(x, y));
            total +=
                qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
        }
    return n ? double(total) / (3.0 * n) : 255.0;
}

struct Zone {
    const char* what;
    const char* picture;
    QRect area;    // logical, on the window
    QPoint origin; // logical, in the picture
};

// The zone on the screen is the 2x picture exactly, and the 1x picture blown up, sharp or
// smooth, would not be: the comparison tells a real 2x drawing from an enlarged 1x one.
void compare(const QImage& screen, const Zone& z) {
    const qreal scale = qGuiApp->devicePixelRatio();
    if (scale != 2.0) { // a fractional scale: the 2x picture, brought down to it
        const double d = meanDifference(
            screen, z.area, asset(QString::fromLatin1(z.picture) + QStringLiteral("@2x")), z.origin,
            scale);
        qInfo("%s: mean difference %.1f", z.what, d);
        QVERIFY2(d < 8.0, z.what);
        return;
    }
    const QRect device = doubled(z.area);
    const QString name = QString::fromLatin1(z.picture);
    QVERIFY2(differences(screen, device, asset(name + QStringLiteral("@2x")), z.origin * 2) == 0,
             z.what);
    const QImage sd = asset(name);
    for (Qt::TransformationMode mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
        const QImage enlarged = sd.scaled(sd.size() * 2, Qt::IgnoreAspectRatio, mode);
        QVERIFY2(differences(screen, device, enlarged, z.origin * 2) >
                     device.width() * device.height() / 4,
                 z.what);
    }
}

} // namespace

class TstHidpi : public QObject {
    Q_OBJECT
  private slots:
    void moreDevicePixels();
    void drawnFrom2xPlayedInLogicalPixels();
};

void TstHidpi::moreDevicePixels() {
    GameWindow w;
    const qreal scale = w.f.devicePixelRatioF();
    QVERIFY2(scale > 1.0, "run with QT_SCALE_FACTOR=2, or 1.5");
    QCOMPARE(w.f.size(), QSize(857, 429));
    QCOMPARE(shownOnScreen(w.f).size(), (QSizeF(857, 429) * scale).toSize());
    QCOMPARE(w.f.couvercle()->size(), QSize(857, 286)); // the 2x lid laid out at 1x size
    QCOMPARE(w.f.batonnet(0)->size(), QSize(24, 252));
}

// One window throughout: every lid slide repaints the whole 2x window some 860 times.
void TstHidpi::drawnFrom2xPlayedInLogicalPixels() {
    GameWindow w;
    compare(shownOnScreen(w.f), {"closed lid", "couvercle", {0, 28, 857, 286}, {0, 0}});
    if (QTest::currentTestFailed()) return;

    w.click(w.f.jouer()); // at logical coordinates; the lid opens on a new game
    QCOMPARE(w.f.resultat()->caption(), QString::fromUtf8(texts::AVousDeJouer));
    const Zone openBoard[] = {
        // Between sticks 9 and 10 the board shows from top to bottom, with the dividing
        // rod at x = 426: 4 pixels wide, so 8 device pixels shaded one by one.
        {"board", "plateau20", {420, 0, 18, 327}, {420, 0}},
        {"first stick", "batonnet", {18, 36, 24, 252}, {0, 0}},
        {"last stick", "batonnet", {816, 36, 24, 252}, {0, 0}},
    };
    const QImage s = shownOnScreen(w.f);
    for (const Zone& z : openBoard) {
        compare(s, z);
        if (QTest::currentTestFailed()) return;
    }

    w.click(QPoint(18 + 12, 150)); // stick 0, in logical pixels
    QCOMPARE(w.f.stickTop(0), 290.0f);
    QCOMPARE(w.f.batonnet(0)->geometry(), QRect(18, 290, 24, 252));
    QCOMPARE(w.game.module().NbPrisJoueur, 1);
    // The taken stick shows below the board, still from the 2x picture, down to the controls.
    compare(shownOnScreen(w.f), {"taken stick", "batonnet", {18, 290, 24, 54}, {0, 0}});
}

QTEST_MAIN(TstHidpi)
#include "tst_hidpi.moc"
