// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the real program and watches it from outside: the time from the spawn to its
// first painted frame (reported by the program itself when BATONNETS_REPORT_FIRST_FRAME
// is set), then, once it has ended, its peak resident memory and the CPU it used.
#pragma once

namespace batonnets::bench {

// "launch PROGRAM [ARGS...]": prints "pid", "first-frame-ms", then at its end
// "maxrss-kb", "cpu-ms" and "status" lines on stdout, each as soon as it is known.
int launch(char** argv);

} // namespace batonnets::bench
