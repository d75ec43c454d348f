// SPDX-License-Identifier: GPL-3.0-or-later
// The stick: a white rounded rod, shaded as a cylinder lit from the left.
#pragma once

#include <QImage>

namespace pictures {

QImage drawStick(int scale);

} // namespace pictures
