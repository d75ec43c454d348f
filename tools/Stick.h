// The stick: a white rounded rod, shaded as a cylinder lit from the left.
#pragma once

#include <QImage>

namespace pictures {

QImage drawStick(int scale);

} // namespace pictures
