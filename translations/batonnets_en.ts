<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>batonnets::texts</name>
    <message>
        <source>Jeu des bâtonnets - Vendrix34 -  v %1</source>
        <extracomment>The window&apos;s title; %1 is the version, as 1.0.</extracomment>
        <translation>Game of Sticks - Vendrix34 -  v %1</translation>
    </message>
    <message>
        <source>Jeu de batonnets contre ordinateur.  Chacun son tour on enlève, au choix, entre 1 et 3 batonnets.  Le perdant est celui qui prend le dernier</source>
        <extracomment>The game&apos;s description of itself, which --help prints under the usage line.</extracomment>
        <translation>Game of Sticks against the computer. Each side in turn takes 1 to 3 sticks, as it chooses. The loser is whoever takes the last one.</translation>
    </message>
    <message>
        <source>Force</source>
        <extracomment>Title of the strength options&apos; frame: 103 px of 19 px bold.</extracomment>
        <translation>Level</translation>
    </message>
    <message>
        <source>Normale</source>
        <extracomment>Strength option, the first: 66 px of 13 px bold.</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>Strength option, the second: 66 px of 13 px bold.</extracomment>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Début</source>
        <extracomment>Title of the frame that says who moves first: 111 px of 19 px bold.</extracomment>
        <translation>First move</translation>
    </message>
    <message>
        <source>Joueur</source>
        <extracomment>Who moves first: the player. 78 px of 13 px bold.</extracomment>
        <translation>Player</translation>
    </message>
    <message>
        <source>Ordinateur</source>
        <extracomment>Who moves first: the computer. 78 px of 13 px bold.</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Jouer</source>
        <extracomment>Button that starts a game: 99 px of 24 px bold.</extracomment>
        <translation>Play</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <extracomment>Button that opens the lid: 99 px of 24 px bold.</extracomment>
        <translation>Open</translation>
    </message>
    <message>
        <source>Fermer</source>
        <extracomment>Button that closes the lid: 127 px of 24 px bold.</extracomment>
        <translation>Close</translation>
    </message>
    <message>
        <source>Quitter</source>
        <extracomment>Button that ends the game: 127 px of 24 px bold.</extracomment>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Validez votre coup</source>
        <extracomment>Button that hands the player&apos;s move over: 305 px of 24 px bold.</extracomment>
        <translation>Confirm your move</translation>
    </message>
    <message>
        <source>A vous de jouer...</source>
        <extracomment>Status: the player&apos;s turn.</extracomment>
        <translation>Your move...</translation>
    </message>
    <message>
        <source>L&apos;ordinateur joue</source>
        <extracomment>Status: the computer is moving.</extracomment>
        <translation>Computer&apos;s move...</translation>
    </message>
    <message>
        <source>Vous gagnez !</source>
        <extracomment>Status: the player has won.</extracomment>
        <translation>You win!</translation>
    </message>
    <message>
        <source>J&apos;ai gagné !</source>
        <extracomment>Status: the computer has won.</extracomment>
        <translation>I win!</translation>
    </message>
    <message>
        <source>Bâtonnet</source>
        <extracomment>A stick, as a screen reader names it, followed by its number.</extracomment>
        <translation>Stick</translation>
    </message>
    <message>
        <source>en jeu</source>
        <extracomment>A stick still in the row.</extracomment>
        <translation>in play</translation>
    </message>
    <message>
        <source>pris par vous</source>
        <extracomment>A stick the player has taken.</extracomment>
        <translation>taken by you</translation>
    </message>
    <message>
        <source>pris par l&apos;ordinateur</source>
        <extracomment>A stick the computer has taken.</extracomment>
        <translation>taken by the computer</translation>
    </message>
    <message>
        <source>Couvercle</source>
        <extracomment>The lid over the sticks, as a screen reader names it.</extracomment>
        <translation>Lid</translation>
    </message>
    <message>
        <source>ouvert</source>
        <extracomment>The lid&apos;s state.</extracomment>
        <translation>open</translation>
    </message>
    <message>
        <source>fermé</source>
        <extracomment>The lid&apos;s state.</extracomment>
        <translation>closed</translation>
    </message>
    <message>
        <source>L&apos;ordinateur prend 1 bâtonnet, il en reste %1.</source>
        <extracomment>%1 is what is left, from 0 to 20: choose words that fit every count.</extracomment>
        <translation>The computer takes 1 stick, %1 left.</translation>
    </message>
    <message>
        <source>L&apos;ordinateur prend %1 bâtonnets, il en reste %2.</source>
        <extracomment>%1 is 2 or 3, %2 what is left, from 0 to 19.</extracomment>
        <translation>The computer takes %1 sticks, %2 left.</translation>
    </message>
    <message>
        <source>Il en reste %1.</source>
        <extracomment>After the player&apos;s move; %1 is what is left, from 0 to 20.</extracomment>
        <translation>%1 left.</translation>
    </message>
    <message>
        <source>Bâtonnets, %1 en jeu</source>
        <extracomment>The row of sticks; %1 is how many are in play, from 1 to 21.</extracomment>
        <translation>Sticks, %1 in play</translation>
    </message>
    <message>
        <source>Couvercle ouvert</source>
        <translation>Lid open</translation>
    </message>
    <message>
        <source>Couvercle fermé</source>
        <translation>Lid closed</translation>
    </message>
    <message>
        <source>Jeu des bâtonnets</source>
        <extracomment>The lid&apos;s title, 68 px bold italic serif; at most 740 px wide.</extracomment>
        <translation>Game of Sticks</translation>
    </message>
    <message>
        <source>A votre tour vous devez retirer 1 à 3 bâtonnets</source>
        <extracomment>The lid&apos;s first rule, 21 px bold; at most 740 px wide.</extracomment>
        <translation>On your turn, you must take 1 to 3 sticks</translation>
    </message>
    <message>
        <source>Le perdant est celui qui reste avec 1 seul bâtonnet.</source>
        <extracomment>The lid&apos;s second rule, 21 px bold; at most 740 px wide.</extracomment>
        <translation>The loser is whoever is left with the last stick.</translation>
    </message>
    <message>
        <source>Utilisation : batonnets [options]</source>
        <translation>Usage: batonnets [options]</translation>
    </message>
    <message>
        <source>Options :</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Affiche cette aide et quitte.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Affiche la version et la licence, et quitte.</source>
        <translation>Show the version and the license, and exit.</translation>
    </message>
    <message>
        <source>Les options communes aux programmes Qt (-platform, -display, -style…) sont aussi acceptées ; voir batonnets(6).</source>
        <translation>The standard Qt options (-platform, -display, -style…) are also accepted; see batonnets(6).</translation>
    </message>
    <message>
        <source>Copyright © 2026 Bâtonnets developers
Licence GPLv3+ : GNU GPL version 3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre : vous êtes libre de le modifier et de le redistribuer.
Il n&apos;y a AUCUNE GARANTIE, dans les limites permises par la loi.</source>
        <translation>Copyright © 2026 Bâtonnets developers
License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.</translation>
    </message>
    <message>
        <source>batonnets : option inconnue « %1 »</source>
        <extracomment>%1 is the option as it was typed.</extracomment>
        <translation>batonnets: unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>batonnets : argument inattendu « %1 »</source>
        <translation>batonnets: unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Essayez « batonnets --help ».</source>
        <translation>Try &apos;batonnets --help&apos;.</translation>
    </message>
    <message>
        <source>batonnets : aucun écran disponible (%1) ; le jeu a besoin d&apos;un affichage graphique.</source>
        <extracomment>%1 is one of the causes below.</extracomment>
        <translation>batonnets: no display available (%1); the game needs a graphical display.</translation>
    </message>
    <message>
        <source>module d&apos;affichage « %1 » introuvable</source>
        <extracomment>%1 is the name of a Qt platform plugin, as xcb or wayland.</extracomment>
        <translation>display plugin &apos;%1&apos; not found</translation>
    </message>
    <message>
        <source>DISPLAY n&apos;est pas défini</source>
        <translation>DISPLAY is not set</translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir l&apos;écran « %1 »</source>
        <extracomment>%1 is an X display, as :0.</extracomment>
        <translation>cannot open display &apos;%1&apos;</translation>
    </message>
    <message>
        <source>impossible de joindre le compositeur Wayland « %1 »</source>
        <extracomment>%1 is a Wayland display, as wayland-0.</extracomment>
        <translation>cannot reach the Wayland compositor &apos;%1&apos;</translation>
    </message>
    <message>
        <source>aucun module d&apos;affichage n&apos;a pu démarrer</source>
        <translation>no display plugin could start</translation>
    </message>
    <message>
        <source>Joue en contraste élevé, quel que soit le réglage du bureau.</source>
        <translation>Play in high contrast, whatever the desktop&apos;s setting.</translation>
    </message>
</context>
</TS>
