// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the lid's fonts and lays out its text as outlines.
#include "LidText.h"

#include <QDir>
#include <QFontDatabase>
#include <QRectF>
#include <QStringList>

namespace pictures {

bool loadFonts(Fonts& fonts) {
    const QDir dir(QStringLiteral("/usr/share/fonts/truetype/liberation"));
    const QStringList files = dir.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const int id = QFontDatabase::addApplicationFont(dir.filePath(file));
        if (id < 0) continue;
        for (const QString& family : QFontDatabase::applicationFontFamilies(id)) {
            if (family == QLatin1String("Liberation Serif"))
                fonts.serif = family;
            else if (family == QLatin1String("Liberation Sans"))
                fonts.sans = family;
        }
    }
    return !fonts.serif.isEmpty() && !fonts.sans.isEmpty();
}

QFont makeFont(const QString& family, double pixelSize, bool bold, bool italic) {
    QFont f(family);
    f.setPixelSize(static_cast<int>(pixelSize));
    f.setBold(bold);
    f.setItalic(italic);
    // Outlines without hinting scale exactly, so 2x is the 1x text at twice the detail.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    return f;
}

QPainterPath centredText(const QFont& font, const QString& text, double centreX, double baseline) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centreX - (box.left() + box.width() / 2.0), baseline);
    return path;
}

} // namespace pictures
