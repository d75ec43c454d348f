// Starts the game: one window, its events wired to the game's handlers.
#include <QApplication>

#include "BatonnetsWindow.h"
#include "Wiring.h"
#include "game/BaseBatonnets.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("batonnets"));

    batonnets::BatonnetsWindow fenetre;
    batonnets::BaseBatonnets jeu(fenetre);
    batonnets::relier(fenetre, jeu);
    fenetre.show();
    return QApplication::exec();
}
