#include "TimeOfDayRandom.h"

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
    // Microsecond resolution keeps two draws within the same second apart.
    gen_.seed(static_cast<std::uint32_t>(secondsSinceMidnight * 1e6));
}

double TimeOfDayRandom::next() { return static_cast<double>(gen_()) / 4294967296.0; }

} // namespace batonnets
