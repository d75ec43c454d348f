// SPDX-License-Identifier: GPL-3.0-or-later
// The two boards (20 and 21 sticks): a leather surface with one recessed slot per stick
// and tan dividing lines between the slots.
#pragma once

#include <QColor>
#include <QImage>

#include <vector>

namespace pictures {

struct Columns {
    int first; // inclusive
    int last;  // inclusive
};

// The game places the sticks at fixed columns; the slots and the lines between them must
// sit exactly around those columns, hence hard columns rather than an even division.
struct BoardLayout {
    std::vector<int> lineLeft;
    std::vector<Columns> recesses;
};

BoardLayout layout20();
BoardLayout layout21();

// Board surface without its grain at row y (1x): the stick picture borrows it for the
// corners of its rounded ends, which stand over the board just above and below the slots.
QColor boardBase(double y);

QImage drawBoard(const BoardLayout& layout, int scale);

} // namespace pictures
