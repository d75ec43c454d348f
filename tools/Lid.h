// SPDX-License-Identifier: GPL-3.0-or-later
// The lid: a leather panel in a bevelled red frame, the title and the two rules in gilt
// lettering, and a wooden handle along its right edge.
#pragma once

#include <QImage>

#include "LidText.h"

namespace pictures {

QImage drawLid(const Fonts& fonts, int scale);

} // namespace pictures
