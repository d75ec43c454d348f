// SPDX-License-Identifier: GPL-3.0-or-later
// The language the game speaks, and the texts of game/Texts.h in that language. Usable
// before any QApplication exists: --help and the no-display line are said without one.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace batonnets {

// Speaks the first of `uiLanguages` (BCP 47 names, the most wanted first, as
// QLocale::uiLanguages() gives them) that the game has a translation for, and French
// when it meets French first or none at all ("C" and "POSIX" included). Without a call,
// the desktop's languages, QLocale::system().uiLanguages(), are taken the first time a
// text or the language is asked for.
void chooseLanguage(const QStringList& uiLanguages);

// The language spoken: "fr", or one of translatedLanguages().
QString language();

// The languages the game carries a translation for ("de", "en"…), besides French.
QStringList translatedLanguages();

// A text of game/Texts.h in the language spoken; any other text as it is.
QString translated(std::string_view utf8);

} // namespace batonnets
