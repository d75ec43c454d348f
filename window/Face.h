// SPDX-License-Identifier: GPL-3.0-or-later
// The pixmap every control caches its look in: the control's size in device pixels,
// marked with the screen's ratio so that it blits one to one and stays sharp on HiDPI.
#pragma once

#include <QPixmap>
#include <QSize>
#include <cmath>

namespace batonnets {

inline QPixmap facePixmap(QSize logical, qreal dpr) {
    QPixmap face(QSize(static_cast<int>(std::ceil(logical.width() * dpr)),
                       static_cast<int>(std::ceil(logical.height() * dpr))));
    face.setDevicePixelRatio(dpr);
    return face;
}

} // namespace batonnets
