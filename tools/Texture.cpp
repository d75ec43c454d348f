// SPDX-License-Identifier: GPL-3.0-or-later
// Value noise and colour mixing for the textured pictures (board grain, lid leather, handle wood).
#include "Texture.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace pictures {

namespace {

double fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}
double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

ValueNoise::ValueNoise(std::uint64_t seed) {
    Rng rng(seed);
    for (double& v : grid_)
        v = rng.unit();
}

double ValueNoise::cell(int i, int j) const {
    return grid_[static_cast<std::size_t>(((j & 255) << 8) | (i & 255))];
}

double ValueNoise::at(double x, double y) const {
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

double ValueNoise::fbm(double x, double y, int octaves) const {
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

int clamp255(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

QRgb mix(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(clamp255(a.red() + (b.red() - a.red()) * t),
                clamp255(a.green() + (b.green() - a.green()) * t),
                clamp255(a.blue() + (b.blue() - a.blue()) * t));
}

} // namespace pictures
