// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeOfDayRandom.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <sys/time.h>

namespace batonnets {

void TimeOfDayRandom::reseed() {
    timeval tv{};
    gettimeofday(&tv, nullptr);
    tm local{};
    localtime_r(&tv.tv_sec, &local);
    reseed(local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + tv.tv_usec / 1e6);
}

void TimeOfDayRandom::reseed(double secondsSinceMidnight) {
    // Microsecond resolution keeps two draws within the same second apart. A day holds
    // 8.64e10 microseconds, more than 32 bits: count them in 64 bits, where the
    // conversion is defined all day long, then keep the low 32 bits, which change with
    // every microsecond (an unsigned narrowing wraps, by definition). Rounded, not
    // truncated, so that a fraction just under a whole microsecond still counts.
    const double seconds = std::clamp(secondsSinceMidnight, 0.0, 86400.0);
    const auto micros = static_cast<std::uint64_t>(std::llround(seconds * 1e6));
    gen_.seed(static_cast<std::uint32_t>(micros));
}

double TimeOfDayRandom::next() {
    return toUnit(gen_());
}

} // namespace batonnets
