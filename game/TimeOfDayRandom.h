// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's random source: re-seeded from the time of day (seconds since midnight,
// with their fraction) immediately before each draw, as the game asks.
#pragma once

#include <cstdint>
#include <random>

namespace batonnets {

class TimeOfDayRandom {
  public:
    void reseed();
    void reseed(double secondsSinceMidnight);
    // Uniform in [0, 1): 32 random bits scaled, so 1.0 can never come out.
    double next();
    // The scaling of next(): 0 to 2^32 - 1 onto [0, 1).
    static double toUnit(std::uint32_t bits) { return static_cast<double>(bits) / 4294967296.0; }

  private:
    std::mt19937 gen_{0};
};

} // namespace batonnets
