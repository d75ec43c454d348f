// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows icon file (batonnets.ico): the icon at 16, 24, 32 and 48 px in 4-, 8- and
// 32-bit images.
#pragma once

#include <QByteArray>

namespace pictures {

QByteArray icoFile();

} // namespace pictures
