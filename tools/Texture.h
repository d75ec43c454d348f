// SPDX-License-Identifier: GPL-3.0-or-later
// The helpers every picture shares: a seeded random generator, smooth value noise, a clamped
// colour mix, and a per-pixel texture fill that samples in 1x coordinates at any scale.
#pragma once

#include <QColor>
#include <QImage>

#include <array>
#include <cstdint>

namespace pictures {

// splitmix64: tiny, well mixed, and identical everywhere, unlike std::default_random_engine
// distributions whose output is implementation-defined.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
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
    explicit ValueNoise(std::uint64_t seed);

    double at(double x, double y) const;

    // A few octaves, each shifted so that lattice points do not line up; result in [0, 1].
    double fbm(double x, double y, int octaves) const;

  private:
    double cell(int i, int j) const;

    std::array<double, 65536> grid_{};
};

// Rounds to the nearest integer and keeps it within a colour channel's range.
int clamp255(double v);

// Straight blend from a to b; t is clamped to [0, 1].
QRgb mix(QColor a, QColor b, double t);

// Fills a device-sized image pixel by pixel; colourAt receives 1x coordinates of the
// pixel centre so the texture is the same at every scale.
template <class F> QImage texture(int width, int height, int scale, F colourAt) {
    QImage img(width * scale, height * scale, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = colourAt((x + 0.5) / scale, (y + 0.5) / scale);
    }
    return img;
}

} // namespace pictures
