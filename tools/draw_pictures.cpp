// SPDX-License-Identifier: GPL-3.0-or-later
// draw_pictures OUTDIR — draws every picture the game ships: both boards, the lid (once a
// language, as it carries the rules, and again for the high-contrast look), the stick, the window
// icon and the desktop icons, at 1x and (for the JPEGs) 2x.
//
// The pictures are committed, and a test regenerates them and compares bytes, so this
// program must give the same bytes on every run: no clock, no system randomness, fonts
// loaded from fixed files, texture noise from our own seeded generator. Everything is
// drawn in 1x coordinates through a scale factor, so the 2x pictures are the same scene
// rendered with twice the detail rather than an enlargement.

#include "Board.h"
#include "IcoFile.h"
#include "Icon.h"
#include "Lid.h"
#include "LidText.h"
#include "Stick.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <QTranslator>

#include <cstdio>
#include <utility>
#include <vector>

#include "game/Texts.h"

namespace {

bool failed = false;

void report(const QString& path, bool ok) {
    if (!ok) {
        std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
        failed = true;
    }
}

// Fixed density: QImage otherwise takes the screen's, which would leak into the files.
QImage withFixedDensity(QImage img) {
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    return img;
}

void writeImage(const QDir& dir, const QString& name, const QImage& img) {
    const QString path = dir.filePath(name);
    QImageWriter writer(path, name.endsWith(QLatin1String(".jpg")) ? "jpeg" : "png");
    if (name.endsWith(QLatin1String(".jpg"))) {
        writer.setQuality(92);
        writer.setOptimizedWrite(false);
        writer.setProgressiveScanWrite(false);
    }
    report(path, writer.write(withFixedDensity(img)));
}

// What the lid says: in French as game/Texts.h has it, without a translator; otherwise in
// the translator's language, from the same translations the game embeds.
pictures::LidTexts lidTexts(const QTranslator* translator) {
    using namespace batonnets;
    const auto text = [translator](const char* french) {
        const QString t =
            translator ? translator->translate(texts::TranslationContext, french) : QString();
        return t.isEmpty() ? QString::fromUtf8(french) : t;
    };
    return {text(texts::LidTitle), text(texts::LidRule1), text(texts::LidRule2)};
}

// The lid in French, couvercle, and in each language the game is translated into,
// couvercle_<language>.
std::vector<std::pair<QString, pictures::LidTexts>> lids() {
    std::vector<std::pair<QString, pictures::LidTexts>> all{
        {QStringLiteral("couvercle"), lidTexts(nullptr)}};
    const QDir translations(QStringLiteral(":/i18n"));
    for (const QString& file :
         translations.entryList({QStringLiteral("batonnets_*.qm")}, QDir::Files, QDir::Name)) {
        QTranslator translator;
        if (!translator.load(translations.filePath(file))) {
            std::fprintf(stderr, "draw_pictures: cannot read %s\n", qPrintable(file));
            failed = true;
            continue;
        }
        const QString language = file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
        all.emplace_back(QStringLiteral("couvercle_") + language, lidTexts(&translator));
    }
    return all;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace pictures;

    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_pictures OUTDIR\n");
        return 2;
    }
    Fonts fonts;
    if (!loadFonts(fonts)) {
        std::fprintf(stderr, "draw_pictures: Liberation fonts not found in "
                             "/usr/share/fonts/truetype/liberation\n");
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "draw_pictures: cannot create %s\n", argv[1]);
        return 1;
    }

    // The file names are the ones the window loads.
    const auto lidPictures = lids();
    for (int s : {1, 2}) {
        const QString suffix = s == 1 ? QString() : QStringLiteral("@2x");
        writeImage(out, QStringLiteral("plateau20%1.jpg").arg(suffix), drawBoard(layout20(), s));
        writeImage(out, QStringLiteral("plateau21%1.jpg").arg(suffix), drawBoard(layout21(), s));
        for (const auto& [name, texts] : lidPictures)
            for (const bool highContrast : {false, true}) {
                const QImage lid = drawLid(fonts, texts, s, highContrast);
                if (lid.isNull()) {
                    std::fprintf(stderr,
                                 "draw_pictures: a line of %s is wider than the lid's %g px\n",
                                 qPrintable(name), LidLineRoom);
                    failed = true;
                    break;
                }
                const QString look = highContrast ? QStringLiteral("-high-contrast") : QString();
                writeImage(out, name + look + suffix + QStringLiteral(".jpg"), lid);
            }
        writeImage(out, QStringLiteral("batonnet%1.jpg").arg(suffix), drawStick(s));
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        writeImage(out, QStringLiteral("icons/%1.png").arg(size), drawIcon(size));

    const QString ico = out.filePath(QStringLiteral("batonnets.ico"));
    QFile file(ico);
    const QByteArray bytes = icoFile();
    report(ico, file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return failed ? 1 : 0;
}
