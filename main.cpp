// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game: one window, its events wired to the game's handlers.
#include <QApplication>

#include <optional>

#include "BatonnetsWindow.h"
#include "CommandLine.h"
#include "DesktopContrast.h"
#include "DisplayFailure.h"
#include "Wiring.h"
#include "game/BaseBatonnets.h"

#ifndef BATONNETS_APP_ID
#error "BATONNETS_APP_ID is set by packaging/CMakeLists.txt"
#endif

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = batonnets::answerInformationRequest(argc, argv))
        return *status;
    batonnets::watchDisplayStart();
    QApplication app(argc, argv);
    batonnets::displayStarted();
    if (!batonnets::onlyKnownArguments(QApplication::arguments())) return 2;
    QApplication::setApplicationName(QStringLiteral("batonnets"));
    // The name of the installed desktop entry: the desktop then shows the window under the
    // menu entry's name and icon, and groups it with that entry's launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral(BATONNETS_APP_ID));

    batonnets::BatonnetsWindow window;
    // Asked for on the command line, high contrast holds whatever the desktop says;
    // otherwise the window follows the desktop's switch, live.
    if (batonnets::highContrastAsked(QApplication::arguments()))
        window.setLook(batonnets::Look::highContrast());
    else
        batonnets::followDesktopContrast(window);
    batonnets::BaseBatonnets game(window);
    batonnets::wire(window, game);
    window.show();
    return QApplication::exec();
}
