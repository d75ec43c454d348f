// Starts the game: one window, its events wired to the game's handlers.
#include <QApplication>

#include <cstdio>
#include <optional>
#include <string>

#include "Affichage.h"
#include "BatonnetsWindow.h"
#include "CommandLine.h"
#include "Wiring.h"
#include "game/BaseBatonnets.h"

#ifndef BATONNETS_APP_ID
#error "BATONNETS_APP_ID is set by packaging/CMakeLists.txt"
#endif

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = batonnets::answerInformationRequest(argc, argv))
        return *status;
    if (const std::string manque = batonnets::affichageManquant(argc, argv); !manque.empty()) {
        std::fprintf(stderr, "%s\n", manque.c_str());
        return 1;
    }

    QApplication app(argc, argv);
    if (!batonnets::onlyKnownArguments(QApplication::arguments())) return 2;
    QApplication::setApplicationName(QStringLiteral("batonnets"));
    // The name of the installed desktop entry: the desktop then shows the window under the
    // menu entry's name and icon, and groups it with that entry's launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral(BATONNETS_APP_ID));

    batonnets::BatonnetsWindow window;
    batonnets::BaseBatonnets game(window);
    batonnets::wire(window, game);
    window.show();
    return QApplication::exec();
}
