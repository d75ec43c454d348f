// SPDX-License-Identifier: GPL-3.0-or-later
// One animation pass of each kind on the real window at full speed (pass period 0),
// and the floor it is judged against: what copying and painting one frame costs
// at the least on this machine.
#pragma once

namespace batonnets::bench {

// "passes LOOPS": medians over LOOPS loops of the time per pass, in microseconds.
int measurePasses(int loops);

// "callgrind N": after a warm-up, N passes of each kind inside its own function, for
// valgrind --tool=callgrind --toggle-collect to count the instructions of.
int countInstructions(int n);

} // namespace batonnets::bench
