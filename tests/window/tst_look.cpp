// SPDX-License-Identifier: GPL-3.0-or-later
// The window's two looks, measured from the pixels it shows: the game's own look pinned to
// the pixel, the texts read against the faces they are drawn on and whole inside them, in
// every language, and the keyboard's focus mark seen on every control in both. Run at 1x, 2x
// and 1.5x, where the captions' ink differs.
#include <QDir>
#include <QTest>

#include "GradientButton.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "StatusLabel.h"
#include "TitledFrame.h"
#include "Translate.h"
#include "WindowFixture.h"
#include "game/BatonModule.h"
#include "game/Texts.h"

#include <map>

using namespace batonnets;
using namespace batonnets::test;

namespace {

// WCAG 2's contrast ratio of two colours, from their relative luminance.
double luminance(QRgb c) {
    const auto channel = [](int v) {
        const double x = v / 255.0;
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How well a text reads: its ink is where the control drawn with it differs from the control
// drawn without it; its colour, the commonest colour there (the solid cores of the glyphs).
// Read against every pixel of the bare face that the glyphs cover (not their shadow, which
// darkens rather than draws towards the text's colour), the worst.
double textContrast(const QImage& with, const QImage& bare) {
    std::map<QRgb, int> changed;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (contrast(with.pixel(x, y), bare.pixel(x, y)) > 1.5) ++changed[with.pixel(x, y)];
    if (changed.empty()) return 0;
    const QRgb text = std::max_element(changed.begin(), changed.end(), [](auto& a, auto& b) {
                          return a.second < b.second;
                      })->first;
    double worst = 21;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) {
            const QRgb drawn = with.pixel(x, y), under = bare.pixel(x, y);
            if (contrast(drawn, under) > 1.5 && contrast(drawn, text) < contrast(under, text))
                worst = std::min(worst, contrast(text, under));
        }
    return worst;
}

// Sets the text a control shows: a button's caption, a frame's title, the status line's message.
void setCaption(BatonnetsWindow& f, QWidget* c, const QString& text) {
    if (auto* b = qobject_cast<QAbstractButton*>(c))
        b->setText(text);
    else if (auto* frame = qobject_cast<TitledFrame*>(c))
        frame->setTitle(text);
    else
        f.resultat()->setCaption(text);
}

QString corners(QRect r) {
    return QStringLiteral("%1,%2 to %3,%4")
        .arg(r.left())
        .arg(r.top())
        .arg(r.right())
        .arg(r.bottom());
}

// The lid's rules against its leather: the lettering's colour, the brightest tenth of the rules'
// band (solid cores, as JPEG leaves them), against the lightest leather in the rows between the
// title and the rules and below the rules, across the same columns.
double lidRulesContrast(const QImage& lid, qreal dpr) {
    const auto rows = [&](int from, int to) {
        return lid.copy(QRectF(40 * dpr, from * dpr, 740 * dpr, (to - from) * dpr).toAlignedRect());
    };
    std::vector<double> lettering;
    const QImage rules = rows(168, 224);
    for (int y = 0; y < rules.height(); ++y)
        for (int x = 0; x < rules.width(); ++x)
            lettering.push_back(luminance(rules.pixel(x, y)));
    std::sort(lettering.begin(), lettering.end());
    const double text = lettering[lettering.size() * 99 / 100];
    double leather = 0;
    for (const QImage& band : {rows(140, 160), rows(228, 256)})
        for (int y = 0; y < band.height(); ++y)
            for (int x = 0; x < band.width(); ++x)
                leather = std::max(leather, luminance(band.pixel(x, y)));
    return (text + 0.05) / (leather + 0.05);
}

// Where the focus mark is: the pixels that changed by 3:1 or more as the control took the
// focus. Returns how thick the mark is where it crosses the middle row and the middle column
// of its bounds, from each of the four sides, the thinnest, in device pixels.
int focusMarkThickness(const QImage& focused, const QImage& unfocused) {
    QRect mark;
    const auto marked = [&](int x, int y) {
        return contrast(focused.pixel(x, y), unfocused.pixel(x, y)) >= 3.0;
    };
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            if (marked(x, y)) mark |= QRect(x, y, 1, 1);
    if (mark.isEmpty()) return 0;
    const QPoint c = mark.center();
    const auto run = [&](QPoint p, QPoint step) {
        while (mark.contains(p) && !marked(p.x(), p.y()))
            p += step;
        int n = 0;
        for (; mark.contains(p) && marked(p.x(), p.y()); p += step)
            ++n;
        return n;
    };
    return std::min({run({mark.left(), c.y()}, {1, 0}), run({mark.right(), c.y()}, {-1, 0}),
                     run({c.x(), mark.top()}, {0, 1}), run({c.x(), mark.bottom()}, {0, -1})});
}

} // namespace

class TstLook : public QObject {
    Q_OBJECT
  private slots:
    // The window as it opens, pixel for pixel what tests/window/golden holds for this screen's
    // scale. BATONNETS_GOLDEN_WRITE=1 writes the pictures anew, to be looked at and committed.
    void normalLookPinned() {
        GameWindow w;
        const qreal dpr = w.f.devicePixelRatioF();
        if (dpr != 1 && dpr != 2) QSKIP("pinned at 1x and 2x");
        const QImage shown = devicePixels(w.f);
        const QString name = QStringLiteral("start@%1x.png").arg(dpr);
        const QString path = QStringLiteral(BATONNETS_GOLDEN_DIR "/") + name;
        if (qEnvironmentVariableIsSet("BATONNETS_GOLDEN_WRITE")) QVERIFY(shown.save(path));
        const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), golden.size());
        QRect moved;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != golden.pixel(x, y)) moved |= QRect(x, y, 1, 1);
        if (!moved.isEmpty())
            shown.save(QDir::current().filePath(QStringLiteral("actual-") + name));
        QVERIFY2(moved.isEmpty(),
                 qPrintable("pixels differ from " + path + ", within " + corners(moved)));
    }

    // Every text the window shows, read from its pixels in each look, in each language: in high
    // contrast every caption, title and message at 7:1 or more, the disabled caption at 4.5:1
    // on a face without hue, the selected option's mark at 3:1, the lid's rules at 7:1. The
    // game's own look is measured too, for comparison, and not held to these. In both, every
    // text's ink (shadow, descenders and accents included) lies inside its face with a device
    // pixel to spare: a glyph the face's edge cuts runs its ink up to the edge. The faces: a
    // button inside its 1-px edge, an option button whole, a frame's title band (its top 20
    // px) inside the frame's 1-px border, the status line inside its 1-px border.
    void texts_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"fr", "en", "de", "es", "it"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void texts() {
        QFETCH(QString, language);
        chooseLanguage({language});
        GameWindow w;
        const qreal dpr = w.f.devicePixelRatioF();
        std::vector<std::tuple<QString, double, double>> measured; // what, contrast, least
        // A text's control drawn with it, then without (returned); its ink, where they differ.
        const auto read = [&](QWidget* c, const QString& text, const QString& what, double least) {
            const QRect area = devicePlace(c).adjusted(-2, -2, 2, 2); // rounded at 1.5x
            const QImage with = devicePixels(w.f).copy(area);
            setCaption(w.f, c, QString());
            const QImage bare = devicePixels(w.f).copy(area);
            setCaption(w.f, c, text);
            measured.emplace_back(what, textContrast(with, bare), least);
            const QRect face = qobject_cast<OptionButton*>(c)  ? c->rect()
                               : qobject_cast<TitledFrame*>(c) ? QRect(1, 1, c->width() - 2, 18)
                                                               : c->rect().adjusted(1, 1, -1, -1);
            const QRectF f(c->mapTo(&w.f, face.topLeft()), face.size());
            const QRect room =
                QRect(QPoint(qCeil(f.left() * dpr) + 1, qCeil(f.top() * dpr) + 1),
                      QPoint(qFloor(f.right() * dpr) - 2, qFloor(f.bottom() * dpr) - 2))
                    .translated(-area.topLeft());
            QRect ink;
            for (int y = 0; y < with.height(); ++y)
                for (int x = 0; x < with.width(); ++x)
                    if (with.pixel(x, y) != bare.pixel(x, y)) ink |= QRect(x, y, 1, 1);
            if (ink.isEmpty() || !room.contains(ink))
                QTest::qFail(
                    qPrintable(what + ": ink " + corners(ink) + " outside " + corners(room)),
                    __FILE__, __LINE__);
            return bare.copy(QRect(QPoint(2, 2), devicePlace(c).size()));
        };
        for (const bool high : {false, true}) {
            w.f.setLook(high ? Look::highContrast() : Look::normal());
            const double least = high ? 7.0 : 0.0;
            for (GradientButton* b : {w.f.ouvrir(), w.f.jouer(), w.f.fermer(), w.f.quitter()})
                read(b, b->text(), b->objectName(), least);
            const QImage disabled =
                read(w.f.joue(), w.f.joue()->text(), "Joue, disabled", high ? 4.5 : 0.0);
            for (int y = 0; high && y < disabled.height(); ++y)
                for (int x = 0; x < disabled.width(); ++x) {
                    const QRgb p = disabled.pixel(x, y);
                    const auto [lo, hi] = std::minmax({qRed(p), qGreen(p), qBlue(p)});
                    QVERIFY2(hi - lo <= 2, "a disabled face has no hue");
                }
            w.f.setJoueEnabled(true);
            read(w.f.joue(), w.f.joue()->text(), "Joue", least);
            w.f.setJoueEnabled(false);
            read(w.f.vkFrame1(), translated(texts::Force), "vkFrame1", least);
            read(w.f.vkFrame2(), translated(texts::Debut), "vkFrame2", least);
            for (OptionButton* o : {w.f.force(0), w.f.force(1), w.f.debut(0), w.f.debut(1)})
                read(o, o->text(), o->objectName(), least);
            const std::pair<const char*, Color> messages[] = {{texts::AVousDeJouer, Green},
                                                              {texts::OrdinateurJoue, DarkRed},
                                                              {texts::VousGagnez, Green},
                                                              {texts::JaiGagne, DarkRed}};
            for (const auto& [message, colour] : messages) {
                w.f.setResultatText(message);
                w.f.setResultatColor(colour);
                read(w.f.resultat(), translated(message), translated(message), least);
            }
            // The selected mark: the first option selected, then not, both without a caption.
            OptionButton* normale = w.f.force(0);
            const auto shot = [&](const QWidget* c) {
                return devicePixels(w.f).copy(devicePlace(c));
            };
            normale->setText(QString());
            const QImage selected = shot(normale);
            w.f.force(1)->setValue(1);
            measured.emplace_back("selected mark", textContrast(selected, shot(normale)),
                                  high ? 3.0 : 0.0);
            normale->setValue(1);
            normale->setText(translated(texts::Normale));
            measured.emplace_back("lid's rules", lidRulesContrast(shot(w.f.couvercle()), dpr),
                                  least);
            for (const auto& [what, ratio, wanted] : std::exchange(measured, {})) {
                qInfo("%s %s %.1f:1", high ? "high contrast" : "normal", qPrintable(what), ratio);
                QVERIFY2(ratio >= wanted, qPrintable(QStringLiteral("%1: %2:1, under %3:1")
                                                         .arg(what)
                                                         .arg(ratio, 0, 'f', 2)
                                                         .arg(wanted)));
            }
        }
    }

    // The keyboard's focus mark, on every kind of control in both looks: at 3:1 or more against
    // what the same pixels show without the focus, and 2 px thick or more all round.
    void focusMark_data() {
        QTest::addColumn<bool>("high");
        QTest::addColumn<QString>("control");
        for (const bool high : {false, true})
            for (const char* control :
                 {"Ouvrir", "Jouer", "Joue", "Fermer", "Quitter", "Force0", "Debut1", "Batonnet3"})
                QTest::addRow("%s %s", high ? "high contrast" : "normal", control)
                    << high << QString::fromLatin1(control);
    }
    void focusMark() {
        QFETCH(bool, high);
        QFETCH(QString, control);
        GameWindow w;
        w.f.setLook(high ? Look::highContrast() : Look::normal());
        w.click(w.f.jouer()); // a game: the sticks in reach
        w.f.setJouerEnabled(true);
        w.f.setJoueEnabled(true);
        QTest::keyClick(w.f.windowHandle(), Qt::Key_Shift); // the keyboard is in use
        auto* c = w.f.findChild<QWidget*>(control);
        QVERIFY(c);
        QWidget* elsewhere = c == w.f.quitter() ? w.f.jouer() : w.f.quitter();
        const qreal dpr = w.f.devicePixelRatioF();
        const int margin = qobject_cast<PictureBox*>(c) ? qCeil(6 * dpr) : 0;
        const QRect around = devicePlace(c).adjusted(-margin, -margin, margin, margin);
        elsewhere->setFocus();
        const QImage unfocused = devicePixels(w.f).copy(around);
        c->setFocus();
        const QImage focused = devicePixels(w.f).copy(around);
        const int thickness = focusMarkThickness(focused, unfocused);
        QVERIFY2(thickness >= qFloor(2 * dpr),
                 qPrintable(QStringLiteral("%1 device pixels thick").arg(thickness)));
    }
};

QTEST_MAIN(TstLook)
#include "tst_look.moc"
