// dessine OUTDIR — draws every picture the game ships: both boards, the lid, the stick,
// the window icon and the desktop icons, at 1x and (for the JPEGs) 2x.
//
// The pictures are committed, and a test regenerates them and compares bytes, so this
// program must give the same bytes on every run: no clock, no system randomness, fonts
// loaded from fixed files, texture noise from our own seeded generator. Everything is
// drawn in 1x coordinates through a scale factor, so the 2x pictures are the same scene
// rendered with twice the detail rather than an enlargement.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------
// Deterministic texture noise.

// splitmix64: tiny, well mixed, and identical everywhere, unlike std::default_random_engine
// distributions whose output is implementation-defined.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t state_;
};

// Smooth value noise on a 256x256 lattice. It is sampled in 1x coordinates, so the 2x
// pictures get the same mottling with finer pixels.
class ValueNoise {
public:
    explicit ValueNoise(std::uint64_t seed)
    {
        Rng rng(seed);
        for (double& v : grid_)
            v = rng.unit();
    }

    double at(double x, double y) const
    {
        const double fx = std::floor(x);
        const double fy = std::floor(y);
        const int ix = static_cast<int>(fx);
        const int iy = static_cast<int>(fy);
        const double tx = fade(x - fx);
        const double ty = fade(y - fy);
        const double top = lerp(cell(ix, iy), cell(ix + 1, iy), tx);
        const double bottom = lerp(cell(ix, iy + 1), cell(ix + 1, iy + 1), tx);
        return lerp(top, bottom, ty);
    }

    // A few octaves, each shifted so that lattice points do not line up; result in [0, 1].
    double fbm(double x, double y, int octaves) const
    {
        double sum = 0.0;
        double weight = 0.5;
        double total = 0.0;
        for (int o = 0; o < octaves; ++o) {
            sum += weight * at(x + 31.7 * o, y + 17.3 * o);
            total += weight;
            x *= 2.0;
            y *= 2.0;
            weight *= 0.5;
        }
        return sum / total;
    }

private:
    static double fade(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }
    static double lerp(double a, double b, double t) { return a + (b - a) * t; }
    double cell(int i, int j) const { return grid_[static_cast<std::size_t>(((j & 255) << 8) | (i & 255))]; }

    std::array<double, 65536> grid_{};
};

int clamp255(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

QRgb mix(QColor a, QColor b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(clamp255(a.red() + (b.red() - a.red()) * t),
                clamp255(a.green() + (b.green() - a.green()) * t),
                clamp255(a.blue() + (b.blue() - a.blue()) * t));
}

// Fills a device-sized image pixel by pixel; colourAt receives 1x coordinates of the
// pixel centre so the texture is the same at every scale.
template <class F>
QImage texture(int width, int height, int scale, F colourAt)
{
    QImage img(width * scale, height * scale, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = colourAt((x + 0.5) / scale, (y + 0.5) / scale);
    }
    return img;
}

// ---------------------------------------------------------------------------------------
// The boards.

const QColor kWindowBackground(128, 64, 64);
constexpr int kBoardWidth = 857;
constexpr int kBoardHeight = 327;
constexpr int kSlotTop = 52;     // first row of every slot
constexpr int kSlotBottom = 275; // last row
constexpr int kLineTop = 63;     // dividing lines are shorter than the slots
constexpr int kLineBottom = 265;
constexpr int kLineWidth = 4;

struct Columns {
    int first; // inclusive
    int last;  // inclusive
};

// The game places the sticks at fixed columns; the slots and the lines between them must
// sit exactly around those columns, hence hard columns rather than an even division.
struct BoardLayout {
    std::vector<int> lineLeft;
    std::vector<Columns> recesses;
};

BoardLayout layout20()
{
    BoardLayout b;
    for (int k = 0; k <= 20; ++k)
        b.lineLeft.push_back(6 + 42 * k);
    b.recesses.push_back({18, 39});
    for (int k = 1; k < 20; ++k)
        b.recesses.push_back({16 + 42 * k, 41 + 42 * k});
    return b;
}

BoardLayout layout21()
{
    BoardLayout b;
    b.lineLeft.push_back(6);
    for (int k = 0; k <= 20; ++k)
        b.lineLeft.push_back(43 + 40 * k);
    b.recesses.push_back({16, 36});
    for (int k = 1; k <= 20; ++k)
        b.recesses.push_back({13 + 40 * k, 36 + 40 * k});
    return b;
}

// Board surface without its grain: the stick picture borrows it for the corners of its
// rounded ends, which stand over the board just above and below the slots.
QColor boardBase(double y)
{
    const double t = y / kBoardHeight;
    return QColor::fromRgb(mix(QColor(104, 34, 32), QColor(74, 20, 20), t));
}

QImage drawBoard(const BoardLayout& layout, int s)
{
    static const ValueNoise grain(0xB0A7D5EEDULL);
    QImage img(kBoardWidth * s, kBoardHeight * s, QImage::Format_RGB32);
    img.fill(kWindowBackground);

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // A faint leather grain keeps the large flat areas from looking like plastic.
    const QImage surface = texture(kBoardWidth, kBoardHeight, s, [](double x, double y) {
        const QColor base = boardBase(y);
        const double n = grain.fbm(x / 70.0, y / 40.0, 4) - 0.5;
        const double f = 1.0 + 0.16 * n;
        return qRgb(clamp255(base.red() * f), clamp255(base.green() * f), clamp255(base.blue() * f));
    });
    QPainterPath body;
    body.addRoundedRect(QRectF(0, 0, kBoardWidth * s, kBoardHeight * s), 9.0 * s, 9.0 * s);
    p.fillPath(body, QBrush(surface));

    p.scale(s, s);

    // Bevel: lit along the top, in shadow along the bottom, with a dark rim against the window.
    QLinearGradient bevel(0, 0, 0, kBoardHeight);
    bevel.setColorAt(0.0, QColor(176, 96, 84));
    bevel.setColorAt(0.5, QColor(120, 50, 44));
    bevel.setColorAt(1.0, QColor(44, 10, 10));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(bevel), 2.0));
    p.drawRoundedRect(QRectF(1.5, 1.5, kBoardWidth - 3.0, kBoardHeight - 3.0), 8.0, 8.0);
    p.setPen(QPen(QColor(52, 14, 14), 1.0));
    p.drawRoundedRect(QRectF(0.5, 0.5, kBoardWidth - 1.0, kBoardHeight - 1.0), 8.5, 8.5);

    // The slots: recesses lit from above, so their top shows grey-brown wood and their
    // bottom falls into shadow.
    const int slotHeight = kSlotBottom - kSlotTop + 1;
    p.setPen(Qt::NoPen);
    for (const Columns& c : layout.recesses) {
        const int w = c.last - c.first + 1;
        const QRectF slot(c.first, kSlotTop, w, slotHeight);

        // Rim around the hole: shadow on the upper and left edges, light on the others.
        p.fillRect(QRectF(c.first - 1, kSlotTop - 1, w + 1, 1), QColor(30, 6, 6, 150));
        p.fillRect(QRectF(c.first - 1, kSlotTop, 1, slotHeight), QColor(30, 6, 6, 110));
        p.fillRect(QRectF(c.first, kSlotBottom + 1, w + 1, 1), QColor(200, 120, 100, 90));
        p.fillRect(QRectF(c.last + 1, kSlotTop, 1, slotHeight + 1), QColor(200, 120, 100, 60));

        QLinearGradient depth(0, kSlotTop, 0, kSlotBottom + 1);
        depth.setColorAt(0.0, QColor(128, 106, 90));
        depth.setColorAt(0.3, QColor(92, 72, 60));
        depth.setColorAt(0.75, QColor(50, 36, 32));
        depth.setColorAt(1.0, QColor(28, 20, 18));
        p.fillRect(slot, depth);

        // Inner walls: the left and top ones are in shadow.
        QLinearGradient leftWall(c.first, 0, c.first + 4, 0);
        leftWall.setColorAt(0.0, QColor(0, 0, 0, 120));
        leftWall.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(QRectF(c.first, kSlotTop, 4, slotHeight), leftWall);
        QLinearGradient topWall(0, kSlotTop, 0, kSlotTop + 5);
        topWall.setColorAt(0.0, QColor(0, 0, 0, 140));
        topWall.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(QRectF(c.first, kSlotTop, w, 5), topWall);
        p.fillRect(QRectF(c.last, kSlotTop, 1, slotHeight), QColor(255, 220, 200, 28));
    }

    // Dividing lines: small tan rods, rounded on the left, with a soft shadow to the right.
    const int lineHeight = kLineBottom - kLineTop + 1;
    for (int left : layout.lineLeft) {
        p.fillRect(QRectF(left + kLineWidth, kLineTop + 1, 1, lineHeight), QColor(20, 4, 4, 70));
        QLinearGradient rod(left, 0, left + kLineWidth, 0);
        rod.setColorAt(0.0, QColor(236, 212, 166));
        rod.setColorAt(0.35, QColor(218, 188, 138));
        rod.setColorAt(0.75, QColor(186, 150, 102));
        rod.setColorAt(1.0, QColor(136, 102, 66));
        p.setBrush(rod);
        p.drawRoundedRect(QRectF(left, kLineTop, kLineWidth, lineHeight), 1.2, 1.2);
    }
    return img;
}

// ---------------------------------------------------------------------------------------
// The stick.

constexpr int kStickWidth = 24;
constexpr int kStickHeight = 252;
constexpr int kStickTopRow = 36; // where the game stands it on the board

QImage drawStick(int s)
{
    QImage img(kStickWidth * s, kStickHeight * s, QImage::Format_RGB32);
    // JPEG has no alpha: the few pixels outside the rounded ends take the colour of the
    // board they are shown over (the ends overhang the board above and below the slot).
    img.fill(boardBase(kStickTopRow + 2));
    {
        QPainter bottom(&img);
        bottom.fillRect(QRect(0, img.height() / 2, img.width(), img.height() / 2),
                        boardBase(kStickTopRow + kStickHeight - 3));
    }

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s, s);

    const QRectF rod(0.5, 0.5, kStickWidth - 1.0, kStickHeight - 1.0);
    QLinearGradient round(0, 0, kStickWidth, 0);
    round.setColorAt(0.0, QColor(178, 178, 174));
    round.setColorAt(0.2, QColor(240, 240, 236));
    round.setColorAt(0.38, QColor(230, 230, 226));
    round.setColorAt(0.75, QColor(176, 176, 172));
    round.setColorAt(1.0, QColor(118, 118, 116));
    p.setPen(Qt::NoPen);
    p.setBrush(round);
    p.drawRoundedRect(rod, 4.5, 4.5);

    // The rounded ends turn away from the light: a short darkening at each end.
    QLinearGradient ends(0, 0, 0, kStickHeight);
    const double e = 7.0 / kStickHeight;
    ends.setColorAt(0.0, QColor(40, 40, 40, 90));
    ends.setColorAt(e, QColor(40, 40, 40, 0));
    ends.setColorAt(1.0 - e, QColor(40, 40, 40, 0));
    ends.setColorAt(1.0, QColor(40, 40, 40, 110));
    p.setBrush(ends);
    p.drawRoundedRect(rod, 4.5, 4.5);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(58, 56, 54), 1.0));
    p.drawRoundedRect(rod, 4.5, 4.5);
    return img;
}

// ---------------------------------------------------------------------------------------
// The lid.

constexpr int kLidWidth = 857;
constexpr int kLidHeight = 286;
constexpr int kFrame = 15;
constexpr int kHandleLeft = 802;
constexpr int kHandleRight = 848; // inclusive

struct Fonts {
    QString serif;
    QString sans;
};

QFont makeFont(const QString& family, double pixelSize, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(static_cast<int>(pixelSize));
    f.setBold(bold);
    f.setItalic(italic);
    // Outlines without hinting scale exactly, so 2x is the 1x text at twice the detail.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    return f;
}

// Text as a path, horizontally centred on centreX with its baseline at baseline.
QPainterPath centredText(const QFont& font, const QString& text, double centreX, double baseline)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centreX - (box.left() + box.width() / 2.0), baseline);
    return path;
}

QImage drawLid(const Fonts& fonts, int s)
{
    static const ValueNoise mottle(0x1EA7E4ULL);
    static const ValueNoise wood(0x3A1E5ULL);

    // Leather-like panel: broad soft blotches with a slight horizontal stretch.
    QImage img = texture(kLidWidth, kLidHeight, s, [](double x, double y) {
        const double broad = mottle.fbm(x / 120.0, y / 55.0, 5);
        const double fine = mottle.fbm(x / 9.0 + 100.0, y / 6.0 + 100.0, 2);
        const double t = 0.85 * broad + 0.15 * fine;
        return mix(QColor(92, 36, 26), QColor(158, 78, 50), (t - 0.25) * 2.0);
    });

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s, s);

    // Frame: dark red moulding, bevelled with light from the top left.
    const double w = kLidWidth;
    const double h = kLidHeight;
    const double f = kFrame;
    const QColor frame(110, 22, 20);
    QPainterPath outer;
    outer.addRect(0, 0, w, h);
    QPainterPath inner;
    inner.addRect(f, f, w - 2 * f, h - 2 * f);
    p.fillPath(outer.subtracted(inner), frame);
    auto facet = [&p](QPolygonF poly, QColor c) {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPolygon(poly);
    };
    facet(QPolygonF({{0, 0}, {w, 0}, {w - f, f}, {f, f}}), QColor(255, 170, 150, 55));
    facet(QPolygonF({{0, 0}, {f, f}, {f, h - f}, {0, h}}), QColor(255, 170, 150, 30));
    facet(QPolygonF({{w, 0}, {w, h}, {w - f, h - f}, {w - f, f}}), QColor(0, 0, 0, 55));
    facet(QPolygonF({{0, h}, {f, h - f}, {w - f, h - f}, {w, h}}), QColor(0, 0, 0, 80));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 6, 6), 1.0));
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    p.drawRect(QRectF(f - 0.5, f - 0.5, w - 2 * f + 1, h - 2 * f + 1));
    p.setPen(QPen(QColor(0, 0, 0, 70), 2.0));
    p.drawLine(QPointF(f + 1, f + 1), QPointF(w - f, f + 1));
    p.drawLine(QPointF(f + 1, f + 1), QPointF(f + 1, h - f));

    // Title and rules, centred on the panel left of the handle.
    const double centre = (f + kHandleLeft) / 2.0;
    const QPainterPath title = centredText(makeFont(fonts.serif, 68, true, true),
                                           QString::fromUtf8("Jeu des bâtonnets"), centre, 118);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 4, 2, 110));
    p.drawPath(title.translated(3, 4));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(52, 18, 8), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(title);
    QLinearGradient gilt(0, 64, 0, 120);
    gilt.setColorAt(0.0, QColor(246, 226, 178));
    gilt.setColorAt(0.55, QColor(222, 188, 128));
    gilt.setColorAt(1.0, QColor(188, 146, 88));
    p.setPen(Qt::NoPen);
    p.setBrush(gilt);
    p.drawPath(title);

    const QFont rules = makeFont(fonts.sans, 21, true, false);
    const QPainterPath rule1 = centredText(
        rules, QString::fromUtf8("A votre tour vous devez retirer 1 à 3 bâtonnets"), centre, 184);
    const QPainterPath rule2 = centredText(
        rules, QString::fromUtf8("Le perdant est celui qui reste avec 1 seul bâtonnet."), centre, 216);
    for (const QPainterPath& rule : {rule1, rule2}) {
        p.setBrush(QColor(30, 6, 4, 140));
        p.drawPath(rule.translated(1.2, 1.5));
        p.setBrush(QColor(238, 218, 176));
        p.drawPath(rule);
    }

    // The handle: a wooden bar with vertical grain, slightly rounded by shading.
    const double hx = kHandleLeft;
    const double hw = kHandleRight - kHandleLeft + 1;
    const QRectF handle(hx, 4, hw, h - 8);
    const QImage grain = texture(kLidWidth, kLidHeight, s, [](double x, double y) {
        const double warp = 7.0 * wood.fbm(x / 30.0, y / 160.0, 3);
        const double rings = 0.5 + 0.5 * std::sin((x + warp) * 1.1);
        const double fibre = wood.fbm(x / 1.5, y / 40.0, 2);
        const double t = 0.55 * rings + 0.45 * fibre;
        return mix(QColor(104, 62, 34), QColor(170, 116, 66), t);
    });
    p.save();
    p.resetTransform();
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(grain));
    p.drawRect(QRectF(handle.x() * s, handle.y() * s, handle.width() * s, handle.height() * s));
    p.restore();
    QLinearGradient bulge(hx, 0, hx + hw, 0);
    bulge.setColorAt(0.0, QColor(0, 0, 0, 60));
    bulge.setColorAt(0.3, QColor(255, 230, 190, 40));
    bulge.setColorAt(0.55, QColor(255, 230, 190, 0));
    bulge.setColorAt(1.0, QColor(0, 0, 0, 90));
    p.fillRect(handle, bulge);
    p.fillRect(QRectF(hx - 3, 6, 3, h - 10), QColor(0, 0, 0, 50)); // shadow on the panel
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(214, 184, 132), 1.0));
    p.drawRect(handle.adjusted(0.5, 0.5, -0.5, -0.5));
    return img;
}

// ---------------------------------------------------------------------------------------
// The icon: a miniature board, five recesses, three still holding a stick.

struct IconLayout {
    int slotX[5];
    int slotWidth;
    int slotTop, slotBottom;   // exclusive bottom
    int stickTop, stickBottom; // exclusive bottom
    double radius;
};

// Small sizes are laid out on whole pixels so that they stay crisp.
IconLayout iconLayout(int size)
{
    if (size == 24)
        return {{2, 6, 10, 14, 18}, 3, 6, 18, 4, 20, 3.0};
    const int u = size / 16;
    IconLayout l{};
    for (int i = 0; i < 5; ++i)
        l.slotX[i] = (1 + 3 * i) * u;
    l.slotWidth = 2 * u;
    l.slotTop = 4 * u;
    l.slotBottom = 12 * u;
    l.stickTop = 3 * u;
    l.stickBottom = 13 * u;
    l.radius = 2.0 * u;
    return l;
}

constexpr bool kStickInSlot[5] = {true, true, false, true, false};

QImage drawIcon(int size)
{
    const IconLayout l = iconLayout(size);
    const double u = size / 16.0;
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient ground(0, 0, 0, size);
    ground.setColorAt(0.0, QColor(150, 40, 36));
    ground.setColorAt(1.0, QColor(96, 20, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawRoundedRect(QRectF(0, 0, size, size), l.radius, l.radius);
    if (size >= 32) {
        const double pen = std::max(1.0, u / 2.0);
        QLinearGradient bevel(0, 0, 0, size);
        bevel.setColorAt(0.0, QColor(214, 120, 100));
        bevel.setColorAt(1.0, QColor(50, 8, 8));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(bevel), pen));
        const double in = pen / 2.0;
        p.drawRoundedRect(QRectF(in, in, size - 2 * in, size - 2 * in), l.radius - in, l.radius - in);
    }

    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        const QRectF slot(l.slotX[i], l.slotTop, l.slotWidth, l.slotBottom - l.slotTop);
        QLinearGradient depth(0, l.slotTop, 0, l.slotBottom);
        depth.setColorAt(0.0, QColor(140, 112, 90));
        depth.setColorAt(1.0, QColor(34, 22, 18));
        p.fillRect(slot, depth);
    }

    // Tan dividers only once there is room for a gap wider than a pixel or two.
    const int gap = static_cast<int>(u);
    if (size >= 48) {
        const int lw = gap >= 8 ? gap / 4 : (gap % 2 == 1 ? 1 : 2);
        const int top = l.slotTop + gap;
        const int bottom = l.slotBottom - gap;
        for (int i = 0; i + 1 < 5; ++i) {
            const int x = l.slotX[i] + l.slotWidth + (gap - lw) / 2;
            p.fillRect(QRect(x, top, lw, bottom - top), QColor(226, 196, 146));
        }
    }

    for (int i = 0; i < 5; ++i) {
        if (!kStickInSlot[i])
            continue;
        const QRectF stick(l.slotX[i], l.stickTop, l.slotWidth, l.stickBottom - l.stickTop);
        QLinearGradient round(stick.left(), 0, stick.right(), 0);
        round.setColorAt(0.0, QColor(250, 250, 246));
        round.setColorAt(0.45, QColor(228, 228, 224));
        round.setColorAt(1.0, QColor(150, 150, 148));
        if (size >= 48) {
            const double r = l.slotWidth / 3.0;
            const double pen = u / 4.0 >= 1.0 ? std::floor(u / 4.0) : 1.0;
            p.setPen(QPen(QColor(50, 48, 46), pen));
            p.setBrush(round);
            p.drawRoundedRect(stick.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), r, r);
            p.setPen(Qt::NoPen);
        } else {
            p.fillRect(stick, round);
        }
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------------------------------
// ICO writing. Done by hand so the palette images hold exactly the palettes chosen here.

// The icon's own sixteen colours: enough for the 16 px 4-bit image to keep its shading.
const std::array<QRgb, 16> kIconPalette16 = {
    qRgb(0, 0, 0),       qRgb(150, 40, 36),   qRgb(124, 30, 28),   qRgb(100, 22, 22),
    qRgb(214, 120, 100), qRgb(56, 10, 10),    qRgb(140, 112, 90),  qRgb(104, 82, 66),
    qRgb(70, 52, 42),    qRgb(36, 24, 20),    qRgb(250, 250, 246), qRgb(222, 222, 218),
    qRgb(176, 176, 172), qRgb(140, 140, 138), qRgb(226, 196, 146), qRgb(50, 48, 46),
};

// 8-bit palette: the 6x6x6 web cube, our sixteen colours, then a ramp of greys.
std::vector<QRgb> iconPalette256()
{
    std::vector<QRgb> pal;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                pal.push_back(qRgb(r * 51, g * 51, b * 51));
    pal.insert(pal.end(), kIconPalette16.begin(), kIconPalette16.end());
    for (int i = 0; pal.size() < 256; ++i) {
        const int v = 8 + i * 10;
        pal.push_back(qRgb(v, v, v));
    }
    return pal;
}

int nearest(const std::vector<QRgb>& pal, QRgb c)
{
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < pal.size(); ++i) {
        const long dr = qRed(pal[i]) - qRed(c);
        const long dg = qGreen(pal[i]) - qGreen(c);
        const long db = qBlue(pal[i]) - qBlue(c);
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = d;
        }
    }
    return best;
}

class Bytes {
public:
    void u8(int v) { data_.push_back(static_cast<char>(v & 0xFF)); }
    void u16(int v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            u8(static_cast<int>(v >> (8 * i)));
    }
    void append(const QByteArray& b) { data_.append(b); }
    const QByteArray& data() const { return data_; }

private:
    QByteArray data_;
};

// One icon image as a DIB: BITMAPINFOHEADER with doubled height, optional palette,
// bottom-up colour rows, then the 1-bit AND mask (set = transparent).
QByteArray iconDib(const QImage& img, int bpp)
{
    const int n = img.width();
    const std::vector<QRgb> pal = bpp == 4 ? std::vector<QRgb>(kIconPalette16.begin(), kIconPalette16.end())
                                  : bpp == 8 ? iconPalette256()
                                             : std::vector<QRgb>();
    const int colourStride = (n * bpp + 31) / 32 * 4;
    const int maskStride = (n + 31) / 32 * 4;
    Bytes b;
    b.u32(40);
    b.u32(static_cast<std::uint32_t>(n));
    b.u32(static_cast<std::uint32_t>(2 * n));
    b.u16(1);
    b.u16(bpp);
    b.u32(0);
    b.u32(static_cast<std::uint32_t>((colourStride + maskStride) * n));
    b.u32(0);
    b.u32(0);
    b.u32(static_cast<std::uint32_t>(pal.size()));
    b.u32(0);
    for (QRgb c : pal) {
        b.u8(qBlue(c));
        b.u8(qGreen(c));
        b.u8(qRed(c));
        b.u8(0);
    }
    auto transparent = [&img](int x, int y) { return qAlpha(img.pixel(x, y)) < 128; };
    for (int y = n - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        for (int x = 0; x < n; ++x) {
            const QRgb c = img.pixel(x, y);
            if (bpp == 32) {
                const int a = qAlpha(c);
                row[4 * x] = static_cast<char>(a ? qBlue(c) : 0);
                row[4 * x + 1] = static_cast<char>(a ? qGreen(c) : 0);
                row[4 * x + 2] = static_cast<char>(a ? qRed(c) : 0);
                row[4 * x + 3] = static_cast<char>(a);
                continue;
            }
            const int index = transparent(x, y) ? 0 : nearest(pal, c);
            if (bpp == 8)
                row[x] = static_cast<char>(index);
            else
                row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 ? index : index << 4));
        }
        b.append(row);
    }
    for (int y = n - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < n; ++x)
            if (transparent(x, y))
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        b.append(row);
    }
    return b.data();
}

QByteArray iconFile()
{
    struct Entry {
        int size;
        int bpp;
    };
    // Order matters to some loaders, which take the first image that fits.
    const Entry entries[] = {{16, 4}, {24, 8}, {16, 8}, {48, 32}, {32, 32}, {16, 32}};
    std::vector<QByteArray> dibs;
    for (const Entry& e : entries)
        dibs.push_back(iconDib(drawIcon(e.size), e.bpp));

    Bytes b;
    b.u16(0);
    b.u16(1);
    b.u16(static_cast<int>(dibs.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(dibs.size());
    for (std::size_t i = 0; i < dibs.size(); ++i) {
        b.u8(entries[i].size);
        b.u8(entries[i].size);
        b.u8(entries[i].bpp == 4 ? 16 : 0);
        b.u8(0);
        b.u16(1);
        b.u16(entries[i].bpp);
        b.u32(static_cast<std::uint32_t>(dibs[i].size()));
        b.u32(offset);
        offset += static_cast<std::uint32_t>(dibs[i].size());
    }
    for (const QByteArray& d : dibs)
        b.append(d);
    return b.data();
}

// ---------------------------------------------------------------------------------------
// Output.

bool failed = false;

void report(const QString& path, bool ok)
{
    if (!ok) {
        std::fprintf(stderr, "dessine: cannot write %s\n", qPrintable(path));
        failed = true;
    }
}

// Fixed density: QImage otherwise takes the screen's, which would leak into the files.
QImage withFixedDensity(QImage img)
{
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    return img;
}

void writeImage(const QDir& dir, const QString& name, const QImage& img)
{
    const QString path = dir.filePath(name);
    QImageWriter writer(path, name.endsWith(QLatin1String(".jpg")) ? "jpeg" : "png");
    if (name.endsWith(QLatin1String(".jpg"))) {
        writer.setQuality(92);
        writer.setOptimizedWrite(false);
        writer.setProgressiveScanWrite(false);
    }
    report(path, writer.write(withFixedDensity(img)));
}

bool loadFonts(Fonts& fonts)
{
    const QDir dir(QStringLiteral("/usr/share/fonts/truetype/liberation"));
    const QStringList files = dir.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const int id = QFontDatabase::addApplicationFont(dir.filePath(file));
        if (id < 0)
            continue;
        for (const QString& family : QFontDatabase::applicationFontFamilies(id)) {
            if (family == QLatin1String("Liberation Serif"))
                fonts.serif = family;
            else if (family == QLatin1String("Liberation Sans"))
                fonts.sans = family;
        }
    }
    return !fonts.serif.isEmpty() && !fonts.sans.isEmpty();
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dessine OUTDIR\n");
        return 2;
    }
    Fonts fonts;
    if (!loadFonts(fonts)) {
        std::fprintf(stderr, "dessine: Liberation fonts not found in /usr/share/fonts/truetype/liberation\n");
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "dessine: cannot create %s\n", argv[1]);
        return 1;
    }

    for (int s : {1, 2}) {
        const QString suffix = s == 1 ? QString() : QStringLiteral("@2x");
        writeImage(out, QStringLiteral("plateau20%1.jpg").arg(suffix), drawBoard(layout20(), s));
        writeImage(out, QStringLiteral("plateau21%1.jpg").arg(suffix), drawBoard(layout21(), s));
        writeImage(out, QStringLiteral("couvercle%1.jpg").arg(suffix), drawLid(fonts, s));
        writeImage(out, QStringLiteral("batonnet%1.jpg").arg(suffix), drawStick(s));
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        writeImage(out, QStringLiteral("icons/%1.png").arg(size), drawIcon(size));

    const QString ico = out.filePath(QStringLiteral("batonnets.ico"));
    QFile file(ico);
    const QByteArray bytes = iconFile();
    report(ico, file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return failed ? 1 : 0;
}
