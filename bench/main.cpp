// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark program: one mode per run, chosen by the first argument; bench/run.sh
// runs the modes on each platform and gathers their "key value" lines into one table.
//   passes LOOPS      time per animation pass and the copy/paint floor (QT_QPA_PLATFORM)
//   callgrind N       N passes of each kind, for valgrind --tool=callgrind
//   cadence LOOPS     the animations at the game's own pace
//   launch PROGRAM    the real program: first frame, peak memory, CPU used
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Cadence.h"
#include "Launch.h"
#include "Passes.h"

int main(int argc, char* argv[]) {
    using namespace batonnets::bench;
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: %s passes LOOPS | callgrind N | cadence LOOPS | "
                     "launch PROGRAM [ARGS...]\n",
                     argv[0]);
        return 2;
    }
    const char* mode = argv[1];
    // The launcher only spawns and waits: it must not open a display of its own.
    if (std::strcmp(mode, "launch") == 0) return launch(argv + 2);

    QApplication app(argc, argv);
    const int n = std::atoi(argv[2]);
    if (n <= 0) return 2;
    if (std::strcmp(mode, "passes") == 0) return measurePasses(n);
    if (std::strcmp(mode, "callgrind") == 0) return countInstructions(n);
    if (std::strcmp(mode, "cadence") == 0) return measureCadence(n);
    std::fprintf(stderr, "unknown mode %s\n", mode);
    return 2;
}
