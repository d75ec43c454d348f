// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the ICO file by hand, so the palette images hold exactly the palettes chosen here.
#include "IcoFile.h"

#include "Icon.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

namespace pictures {

namespace {

// The icon's own sixteen colours: enough for the 16 px 4-bit image to keep its shading.
const std::array<QRgb, 16> kIconPalette16 = {
    qRgb(0, 0, 0),       qRgb(150, 40, 36),   qRgb(124, 30, 28),   qRgb(100, 22, 22),
    qRgb(214, 120, 100), qRgb(56, 10, 10),    qRgb(140, 112, 90),  qRgb(104, 82, 66),
    qRgb(70, 52, 42),    qRgb(36, 24, 20),    qRgb(250, 250, 246), qRgb(222, 222, 218),
    qRgb(176, 176, 172), qRgb(140, 140, 138), qRgb(226, 196, 146), qRgb(50, 48, 46),
};

// 8-bit palette: the 6x6x6 web cube, our sixteen colours, then a ramp of greys.
std::vector<QRgb> iconPalette256() {
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

int nearest(const std::vector<QRgb>& pal, QRgb c) {
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
    void u16(int v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v) {
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
QByteArray iconDib(const QImage& img, int bpp) {
    const int n = img.width();
    const std::vector<QRgb> pal =
        bpp == 4   ? std::vector<QRgb>(kIconPalette16.begin(), kIconPalette16.end())
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
            if (transparent(x, y)) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        b.append(row);
    }
    return b.data();
}

} // namespace

QByteArray icoFile() {
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

} // namespace pictures
