// SPDX-License-Identifier: GPL-3.0-or-later
// The game's icon: a miniature board, five recesses, three still holding a stick.
#pragma once

#include <QImage>

namespace pictures {

// A size x size image with alpha; small sizes are laid out on whole pixels.
QImage drawIcon(int size);

} // namespace pictures
