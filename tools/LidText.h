// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and text for the lid: the Liberation families loaded from fixed files, and text
// turned into centred outlines so it scales exactly between 1x and 2x.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QString>

namespace pictures {

struct Fonts {
    QString serif;
    QString sans;
};

// Registers the Liberation fonts from their system folder; false when either family is missing.
// Loading fixed files, rather than asking for whatever the system picks, keeps the lid's bytes
// the same on every machine.
bool loadFonts(Fonts& fonts);

QFont makeFont(const QString& family, double pixelSize, bool bold, bool italic);

// Text as a path, horizontally centred on centreX with its baseline at baseline.
QPainterPath centredText(const QFont& font, const QString& text, double centreX, double baseline);

} // namespace pictures
