// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help and --version, answered before any display is needed, and a
// check of what is left once Qt has taken its own options (-platform, -display, -style…).
#pragma once

#include <QStringList>

#include <optional>

namespace batonnets {

// For --help or --version anywhere in argv: prints the answer and returns the exit status.
// Otherwise nothing, and the game goes on.
std::optional<int> answerInformationRequest(int argc, char* argv[]);

// Whether the player asked for the high-contrast look on the command line.
bool highContrastAsked(const QStringList& arguments);

// Once QApplication has removed the options that are Qt's: true when nothing else is
// left; otherwise prints what the game does not understand, and returns false.
bool onlyKnownArguments(const QStringList& arguments);

} // namespace batonnets
