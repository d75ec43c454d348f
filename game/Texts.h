// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the player sees, in one place, in UTF-8 exactly as the game writes it.
// French is the game's own language; the other languages are Qt Linguist translations
// of these texts (translations/), which window/Translate.h looks up.
#pragma once

// Marks a text for Qt Linguist's lupdate, which is told to read it as QT_TR_NOOP (see
// translations/CMakeLists.txt): the text goes into the .ts files under this namespace's
// name, TranslationContext. The text itself is left as it is, so the game stays Qt-free.
// A comment opened with //: just above a text is shown to the translators.
#define TRANSLATABLE(text) text

namespace batonnets::texts {

inline constexpr const char* TranslationContext = "batonnets::texts";

//: The window's title; %1 is the version, as 1.0.
inline constexpr const char* WindowTitle = TRANSLATABLE("Jeu des bâtonnets - Vendrix34 -  v %1");

// Captions. Each must fit its control at full size: a test measures them. The room is
// given to the translators in pixels of the caption's font.
//: Title of the strength options' frame: 103 px of 19 px bold.
inline constexpr const char* Force = TRANSLATABLE("Force");
//: Strength option, the first: 66 px of 13 px bold.
inline constexpr const char* Normale = TRANSLATABLE("Normale");
//: Strength option, the second: 66 px of 13 px bold.
inline constexpr const char* Expert = TRANSLATABLE("Expert");
//: Title of the frame that says who moves first: 111 px of 19 px bold.
inline constexpr const char* Debut = TRANSLATABLE("Début");
//: Who moves first: the player. 78 px of 13 px bold.
inline constexpr const char* Joueur = TRANSLATABLE("Joueur");
//: Who moves first: the computer. 78 px of 13 px bold.
inline constexpr const char* Ordinateur = TRANSLATABLE("Ordinateur");
//: Button that starts a game: 99 px of 24 px bold.
inline constexpr const char* Jouer = TRANSLATABLE("Jouer");
//: Button that opens the lid: 99 px of 24 px bold.
inline constexpr const char* Ouvrir = TRANSLATABLE("Ouvrir");
//: Button that closes the lid: 127 px of 24 px bold.
inline constexpr const char* Fermer = TRANSLATABLE("Fermer");
//: Button that ends the game: 127 px of 24 px bold.
inline constexpr const char* Quitter = TRANSLATABLE("Quitter");
//: Button that hands the player's move over: 305 px of 24 px bold.
inline constexpr const char* Joue = TRANSLATABLE("Validez votre coup");

// Messages of the status label: 307 px of 29 px bold italic serif.
//: Status: the player's turn.
inline constexpr const char* AVousDeJouer = TRANSLATABLE("A vous de jouer...");
//: Status: the computer is moving.
inline constexpr const char* OrdinateurJoue = TRANSLATABLE("L'ordinateur joue");
//: Status: the player has won.
inline constexpr const char* VousGagnez = TRANSLATABLE("Vous gagnez !");
//: Status: the computer has won.
inline constexpr const char* JaiGagne = TRANSLATABLE("J'ai gagné !");

// What assistive technology says of a stick ("Bâtonnet 5", numbered from 1) and of
// the lid, besides their names.
//: A stick, as a screen reader names it, followed by its number.
inline constexpr const char* Batonnet = TRANSLATABLE("Bâtonnet");
//: A stick still in the row.
inline constexpr const char* EnJeu = TRANSLATABLE("en jeu");
//: A stick the player has taken.
inline constexpr const char* PrisParVous = TRANSLATABLE("pris par vous");
//: A stick the computer has taken.
inline constexpr const char* PrisParOrdinateur = TRANSLATABLE("pris par l'ordinateur");
//: The lid over the sticks, as a screen reader names it.
inline constexpr const char* Couvercle = TRANSLATABLE("Couvercle");
//: The lid's state.
inline constexpr const char* Ouvert = TRANSLATABLE("ouvert");
//: The lid's state.
inline constexpr const char* Ferme = TRANSLATABLE("fermé");

// Said to a screen reader only, never shown: how the game stands after each move, the
// row of sticks as one group, and the lid once Ouvrir or Fermer has moved it. %1 and %2
// are counts of sticks.
//: %1 is what is left, from 0 to 20: choose words that fit every count.
inline constexpr const char* OrdinateurPrendUn =
    TRANSLATABLE("L'ordinateur prend 1 bâtonnet, il en reste %1.");
//: %1 is 2 or 3, %2 what is left, from 0 to 19.
inline constexpr const char* OrdinateurPrend =
    TRANSLATABLE("L'ordinateur prend %1 bâtonnets, il en reste %2.");
//: After the player's move; %1 is what is left, from 0 to 20.
inline constexpr const char* IlEnReste = TRANSLATABLE("Il en reste %1.");
//: The row of sticks; %1 is how many are in play, from 1 to 21.
inline constexpr const char* BatonnetsEnJeu = TRANSLATABLE("Bâtonnets, %1 en jeu");
inline constexpr const char* CouvercleOuvert = TRANSLATABLE("Couvercle ouvert");
inline constexpr const char* CouvercleFerme = TRANSLATABLE("Couvercle fermé");

// Texts drawn on the lid, by tools/draw_pictures: one lid picture a language.
//: The lid's title, 68 px bold italic serif; at most 740 px wide.
inline constexpr const char* LidTitle = TRANSLATABLE("Jeu des bâtonnets");
//: The lid's first rule, 21 px bold; at most 740 px wide.
inline constexpr const char* LidRule1 =
    TRANSLATABLE("A votre tour vous devez retirer 1 à 3 bâtonnets");
//: The lid's second rule, 21 px bold; at most 740 px wide.
inline constexpr const char* LidRule2 =
    TRANSLATABLE("Le perdant est celui qui reste avec 1 seul bâtonnet.");

// The command line: batonnets --help, --version, and what it says of a mistake.
inline constexpr const char* HelpUsage = TRANSLATABLE("Utilisation : batonnets [options]");
//: The game's description of itself, which --help prints under the usage line.
inline constexpr const char* Description = TRANSLATABLE(
    "Jeu de batonnets contre ordinateur.  Chacun son tour on enlève, au choix, entre 1 et 3 "
    "batonnets.  Le perdant est celui qui prend le dernier");
inline constexpr const char* HelpOptions = TRANSLATABLE("Options :");
inline constexpr const char* OptionHelp = TRANSLATABLE("Affiche cette aide et quitte.");
inline constexpr const char* OptionVersion =
    TRANSLATABLE("Affiche la version et la licence, et quitte.");
inline constexpr const char* OptionHighContrast =
    TRANSLATABLE("Joue en contraste élevé, quel que soit le réglage du bureau.");
inline constexpr const char* HelpQtOptions =
    TRANSLATABLE("Les options communes aux programmes Qt (-platform, -display, -style…) sont aussi "
                 "acceptées ; voir batonnets(6).");
inline constexpr const char* VersionLicence = TRANSLATABLE(
    "Copyright © 2026 Bâtonnets developers\n"
    "Licence GPLv3+ : GNU GPL version 3 ou ultérieure <https://gnu.org/licenses/gpl.html>.\n"
    "Ceci est un logiciel libre : vous êtes libre de le modifier et de le redistribuer.\n"
    "Il n'y a AUCUNE GARANTIE, dans les limites permises par la loi.");
//: %1 is the option as it was typed.
inline constexpr const char* UnknownOption = TRANSLATABLE("batonnets : option inconnue « %1 »");
inline constexpr const char* UnexpectedArgument =
    TRANSLATABLE("batonnets : argument inattendu « %1 »");
inline constexpr const char* TryHelp = TRANSLATABLE("Essayez « batonnets --help ».");

// When no display opens: one line on stderr, NoDisplay with one of the causes after it.
//: %1 is one of the causes below.
inline constexpr const char* NoDisplay = TRANSLATABLE(
    "batonnets : aucun écran disponible (%1) ; le jeu a besoin d'un affichage graphique.");
//: %1 is the name of a Qt platform plugin, as xcb or wayland.
inline constexpr const char* NoPlugin = TRANSLATABLE("module d'affichage « %1 » introuvable");
inline constexpr const char* NoDisplayVariable = TRANSLATABLE("DISPLAY n'est pas défini");
//: %1 is an X display, as :0.
inline constexpr const char* DisplayUnreachable =
    TRANSLATABLE("impossible d'ouvrir l'écran « %1 »");
//: %1 is a Wayland display, as wayland-0.
inline constexpr const char* CompositorUnreachable =
    TRANSLATABLE("impossible de joindre le compositeur Wayland « %1 »");
inline constexpr const char* NoPlatformStarted =
    TRANSLATABLE("aucun module d'affichage n'a pu démarrer");

} // namespace batonnets::texts
