// SPDX-License-Identifier: GPL-3.0-or-later
// Small measuring helpers the benchmark modes share: a monotonic clock read in
// microseconds, the median of a set of loop figures, and one "key value" output line
// for bench/run.sh to pick up.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace batonnets::bench {

using Clock = std::chrono::steady_clock;

inline double microsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// Loop figures on a shared machine have a long tail (a neighbour compiling, a page
// fault): the median keeps the typical loop and ignores the odd slow one.
inline double median(std::vector<double> v) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// CPU time a process has used, user and system, all its threads, in clock ticks
// (utime and stime of /proc/PID/stat); -1 when it cannot be read.
inline long cpuTicks(const std::string& pid) {
    std::ifstream in("/proc/" + pid + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto paren = stat.rfind(')'); // the command name may hold spaces
    if (paren == std::string::npos) return -1;
    std::istringstream fields(stat.substr(paren + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int k = 3; k <= 15 && fields >> field; ++k) { // field 3 is the state
        if (k == 14) utime = std::stol(field);
        if (k == 15) stime = std::stol(field);
    }
    return utime + stime;
}

// run.sh reads "key value..." lines from stdout; anything else goes to stderr.
inline void report(const char* key, double value) {
    std::printf("%s %.3f\n", key, value);
    std::fflush(stdout);
}

inline void report(const char* key, long count, double value) {
    std::printf("%s %ld %.3f\n", key, count, value);
    std::fflush(stdout);
}

} // namespace batonnets::bench
