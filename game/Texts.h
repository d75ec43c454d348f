// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the player sees, in one place, in UTF-8 exactly as the game writes it.
#pragma once

#ifndef BATONNETS_SHORT_VERSION
#error "BATONNETS_SHORT_VERSION is set by game/CMakeLists.txt from the project's version"
#endif

namespace batonnets::texts {

inline constexpr const char* WindowTitle =
    "Jeu des bâtonnets - Vendrix34 -  v " BATONNETS_SHORT_VERSION;
inline constexpr const char* Description =
    "Jeu de batonnets contre ordinateur.  Chacun son tour on enlève, au choix, entre 1 et 3 "
    "batonnets.  Le perdant est celui qui prend le dernier";

// Captions.
inline constexpr const char* Force = "Force";
inline constexpr const char* Normale = "Normale";
inline constexpr const char* Expert = "Expert";
inline constexpr const char* Debut = "Début";
inline constexpr const char* Joueur = "Joueur";
inline constexpr const char* Ordinateur = "Ordinateur";
inline constexpr const char* Jouer = "Jouer";
inline constexpr const char* Ouvrir = "Ouvrir";
inline constexpr const char* Fermer = "Fermer";
inline constexpr const char* Quitter = "Quitter";
inline constexpr const char* Joue = "Validez votre coup";

// Messages of the status label.
inline constexpr const char* AVousDeJouer = "A vous de jouer...";
inline constexpr const char* OrdinateurJoue = "L'ordinateur joue";
inline constexpr const char* VousGagnez = "Vous gagnez !";
inline constexpr const char* JaiGagne = "J'ai gagné !";

// What assistive technology says of a stick ("Bâtonnet 5", numbered from 1) and of
// the lid, besides their names.
inline constexpr const char* Batonnet = "Bâtonnet";
inline constexpr const char* EnJeu = "en jeu";
inline constexpr const char* PrisParVous = "pris par vous";
inline constexpr const char* PrisParOrdinateur = "pris par l'ordinateur";
inline constexpr const char* Couvercle = "Couvercle";
inline constexpr const char* Ouvert = "ouvert";
inline constexpr const char* Ferme = "fermé";

// Said to a screen reader only, never shown: how the game stands after each move, the
// row of sticks as one group, and the lid once Ouvrir or Fermer has moved it. %1 and %2
// are counts of sticks.
inline constexpr const char* OrdinateurPrendUn = "L'ordinateur prend 1 bâtonnet, il en reste %1.";
inline constexpr const char* OrdinateurPrend = "L'ordinateur prend %1 bâtonnets, il en reste %2.";
inline constexpr const char* IlEnReste = "Il en reste %1.";
inline constexpr const char* BatonnetsEnJeu = "Bâtonnets, %1 en jeu";
inline constexpr const char* CouvercleOuvert = "Couvercle ouvert";
inline constexpr const char* CouvercleFerme = "Couvercle fermé";

// Texts drawn on the lid.
inline constexpr const char* LidTitle = "Jeu des bâtonnets";
inline constexpr const char* LidRule1 = "A votre tour vous devez retirer 1 à 3 bâtonnets";
inline constexpr const char* LidRule2 = "Le perdant est celui qui reste avec 1 seul bâtonnet.";

// The command line: batonnets --help, --version, and what it says of a mistake.
inline constexpr const char* HelpUsage = "Utilisation : batonnets [options]";
inline constexpr const char* HelpSummary =
    "Jeu des bâtonnets contre l'ordinateur : chacun son tour retire 1 à 3 bâtonnets ; "
    "celui qui prend le dernier a perdu.";
inline constexpr const char* HelpOptions = "Options :";
inline constexpr const char* OptionHelp = "Affiche cette aide et quitte.";
inline constexpr const char* OptionVersion = "Affiche la version et la licence, et quitte.";
inline constexpr const char* HelpQtOptions =
    "Les options communes aux programmes Qt (-platform, -display, -style…) sont aussi "
    "acceptées ; voir batonnets(6).";
inline constexpr const char* VersionLicence =
    "Copyright © 2026 Bâtonnets developers\n"
    "Licence GPLv3+ : GNU GPL version 3 ou ultérieure <https://gnu.org/licenses/gpl.html>.\n"
    "Ceci est un logiciel libre : vous êtes libre de le modifier et de le redistribuer.\n"
    "Il n'y a AUCUNE GARANTIE, dans les limites permises par la loi.";
inline constexpr const char* UnknownOption = "batonnets : option inconnue « %1 »";
inline constexpr const char* UnexpectedArgument = "batonnets : argument inattendu « %1 »";
inline constexpr const char* TryHelp = "Essayez « batonnets --help ».";

// When no display opens: one line on stderr, NoDisplay with one of the causes after it.
inline constexpr const char* NoDisplay =
    "batonnets : aucun écran disponible (%1) ; le jeu a besoin d'un affichage graphique.";
inline constexpr const char* NoPlugin = "module d'affichage « %1 » introuvable";
inline constexpr const char* NoDisplayVariable = "DISPLAY n'est pas défini";
inline constexpr const char* DisplayUnreachable = "impossible d'ouvrir l'écran « %1 »";
inline constexpr const char* CompositorUnreachable =
    "impossible de joindre le compositeur Wayland « %1 »";
inline constexpr const char* NoPlatformStarted = "aucun module d'affichage n'a pu démarrer";

} // namespace batonnets::texts
