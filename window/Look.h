// SPDX-License-Identifier: GPL-3.0-or-later
// The colours (and outlines) the window and its controls paint with. There are two
// looks: the game's own, and a high-contrast one for a player who asked the desktop for
// it (or started the game with --high-contrast), in which every text reads at 7:1 or
// more against what it is drawn on. The window chooses the look in one place and hands
// each control its part; no control decides on its own how it looks.
#pragma once

#include <QColor>
#include <QString>

namespace batonnets {

// The keyboard focus mark: a ring 2 px thick, drawn on each part of a face in whichever
// of the two colours stands out more against that part, so that it reads at 3:1 or
// more on a light top and a dark bottom alike.
struct FocusColours {
    QColor light;
    QColor dark;
};

struct ButtonColours {
    QColor top, bottom; // the face's vertical gradient
    QColor caption;
    QColor edge; // the face's outline
    int edgeWidth = 1;
    int sheen = 90;         // alpha of the light on the face's upper half; 0 for none
    int hoverLighter = 118; // QColor::lighter factor under the mouse; 100 for none
    // Disabled: a face without hue, its caption engraved (engraving transparent: flat).
    QColor disabledTop, disabledBottom, disabledCaption, disabledEngraving, disabledEdge;
    int disabledSheen = 60;
    FocusColours focus;
};

struct FrameColours {
    QColor band1, band2; // the title band's horizontal gradient
    QColor title, titleShadow;
    QColor body;
};

struct OptionColours {
    QColor back, caption;
    QColor rim;               // the indicator's ring
    QColor dotLight, dotDark; // the selected mark's radial gradient
    QColor focus;             // the box round a focused caption
};

struct LabelColours {
    QColor back, border;
    // How much darker than the game's colour a message is drawn (QColor::darker).
    int textDarker = 100;
};

struct Look {
    QColor window; // the band below the board and behind the control strip
    ButtonColours ouvrirFermer, jouer, joue, quitter;
    FrameColours force, debut;
    OptionColours option;
    LabelColours resultat;
    QColor stickFocus; // the frame round a stick that has the keyboard focus
    QString lidSuffix; // appended to the lid picture's name

    static Look normal();
    static Look highContrast();
};

} // namespace batonnets
