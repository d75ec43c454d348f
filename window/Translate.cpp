// SPDX-License-Identifier: GPL-3.0-or-later
// The translations are the .qm files embedded under :/i18n/ (translations/); French, the
// texts' own language, needs none. The game keeps no settings: the desktop's languages
// decide at every start.
#include "Translate.h"

#include <QDir>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <string>

#include "game/Texts.h"

namespace batonnets {

namespace {

struct Speech {
    bool chosen = false;
    QString language = QStringLiteral("fr");
    std::unique_ptr<QTranslator> translator; // none for French
};

Speech& speech() {
    static Speech s;
    return s;
}

Speech& chosenSpeech() {
    Speech& s = speech();
    if (!s.chosen) chooseLanguage(QLocale::system().uiLanguages());
    return s;
}

} // namespace

QStringList translatedLanguages() {
    QStringList languages;
    const QStringList files =
        QDir(QStringLiteral(":/i18n"))
            .entryList({QStringLiteral("batonnets_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) // batonnets_de.qm
        languages << file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
    return languages;
}

void chooseLanguage(const QStringList& uiLanguages) {
    Speech& s = speech();
    s.chosen = true;
    s.language = QStringLiteral("fr");
    s.translator.reset();
    const QStringList shipped = translatedLanguages();
    for (const QString& name : uiLanguages) {
        // "de-DE", "de-Latn-DE", "de_DE" and "de" all ask for German.
        const QString code =
            name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code == QLatin1String("fr")) return;
        if (!shipped.contains(code)) continue;
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QStringLiteral(":/i18n/batonnets_%1.qm").arg(code))) continue;
        s.language = code;
        s.translator = std::move(translator);
        return;
    }
}

QString language() {
    return chosenSpeech().language;
}

QString translated(std::string_view utf8) {
    const Speech& s = chosenSpeech();
    if (s.translator) {
        const std::string source(utf8); // the lookup wants it null-terminated
        const QString t = s.translator->translate(texts::TranslationContext, source.c_str());
        if (!t.isEmpty()) return t;
    }
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace batonnets
