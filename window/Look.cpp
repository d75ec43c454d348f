// SPDX-License-Identifier: GPL-3.0-or-later
#include "Look.h"

namespace batonnets {

namespace {

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

// A disabled face keeps its brightness ordering but loses its hue and most of its contrast,
// so it reads as "off" whatever colour the button normally has.
QColor greyed(QColor c) {
    const int g = qGray(c.rgb());
    const int v = (g + 2 * 205) / 3;
    return QColor(v, v, v);
}

ButtonColours gameButton(QColor top, QColor bottom) {
    ButtonColours b;
    b.top = top;
    b.bottom = bottom;
    b.caption = White;
    b.edge = QColor(0, 0, 0, 170);
    b.disabledTop = greyed(top);
    b.disabledBottom = greyed(bottom);
    b.disabledCaption = QColor(112, 112, 112);
    b.disabledEngraving = QColor(255, 255, 255, 200);
    b.disabledEdge = QColor(110, 110, 110);
    b.focus = {White, Black};
    return b;
}

// Deep faces under a white caption (each face's lightest row at 7:1 or more), outlined in
// white against the black strip; flat and unlit, as light on a face would eat into the
// contrast. A disabled face is a flat dark grey with a mid-grey caption (4.5:1) and no
// outline: plainly off, still legible.
ButtonColours contrastButton(QColor top, QColor bottom) {
    ButtonColours b;
    b.top = top;
    b.bottom = bottom;
    b.caption = White;
    b.edge = White;
    b.edgeWidth = 2;
    b.sheen = 0;
    b.hoverLighter = 100;
    b.disabledTop = b.disabledBottom = QColor(40, 40, 40);
    b.disabledCaption = QColor(165, 165, 165);
    b.disabledEngraving = Qt::transparent;
    b.disabledEdge = QColor(110, 110, 110);
    b.disabledSheen = 0;
    b.focus = {QColor(255, 255, 0), Black};
    return b;
}

} // namespace

Look Look::normal() {
    Look l;
    l.window = QColor(128, 64, 64);
    l.ouvrirFermer = gameButton(QColor(255, 128, 0), QColor(0, 0, 0));
    l.jouer = gameButton(QColor(0, 255, 0), QColor(0, 64, 0));
    l.joue = gameButton(QColor(255, 0, 255), QColor(128, 0, 128));
    l.quitter = gameButton(QColor(255, 0, 0), QColor(64, 0, 0));
    l.force = {QColor(255, 128, 128), QColor(128, 0, 0), White, QColor(0, 0, 0, 110), White};
    l.debut = {QColor(0, 255, 0), QColor(0, 64, 0), White, QColor(0, 0, 0, 110), White};
    l.option = {White, Black, QColor(28, 81, 128), QColor(90, 210, 90), QColor(20, 120, 20), Black};
    l.resultat = {QColor(255, 255, 192), QColor(255, 0, 0), 100};
    l.stickFocus = QColor(255, 255, 160);
    return l;
}

Look Look::highContrast() {
    Look l;
    l.window = Black;
    l.ouvrirFermer = contrastButton(QColor(140, 56, 0), QColor(48, 18, 0));
    l.jouer = contrastButton(QColor(0, 90, 0), QColor(0, 36, 0));
    l.joue = contrastButton(QColor(140, 0, 140), QColor(64, 0, 64));
    l.quitter = contrastButton(QColor(160, 0, 0), QColor(64, 0, 0));
    l.force = {QColor(150, 0, 0), QColor(70, 0, 0), White, QColor(0, 0, 0, 110), White};
    l.debut = {QColor(0, 90, 0), QColor(0, 36, 0), White, QColor(0, 0, 0, 110), White};
    l.option = {White, Black, Black, QColor(60, 60, 60), Black, Black};
    // The game's green and dark red, a shade darker: 8:1 and more on the light panel.
    l.resultat = {QColor(255, 255, 192), QColor(255, 0, 0), 140};
    l.stickFocus = QColor(255, 255, 0);
    l.lidSuffix = QStringLiteral("-high-contrast");
    return l;
}

} // namespace batonnets
