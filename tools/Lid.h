// SPDX-License-Identifier: GPL-3.0-or-later
// The lid: a leather panel in a bevelled red frame, the title and the two rules in gilt
// lettering, and a wooden handle along its right edge.
#pragma once

#include <QImage>
#include <QString>

#include "LidText.h"

namespace pictures {

// What the lid says, in one language.
struct LidTexts {
    QString title;
    QString rule1;
    QString rule2;
};

// The widest a line of the lid may be: the panel between the frame and the handle, less
// a margin on each side.
constexpr double LidLineRoom = 740.0;

// The lid, or a null image when a line of `texts` is wider than LidLineRoom: the text is
// never made smaller or cut to fit. In high contrast, darker leather under lighter letters.
QImage drawLid(const Fonts& fonts, const LidTexts& texts, int scale, bool highContrast);

} // namespace pictures
