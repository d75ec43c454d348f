// SPDX-License-Identifier: GPL-3.0-or-later
// "Focus visible", as desktops have it: the keyboard focus is marked only once the player
// has used the keyboard, and no longer after a click, so a player who only clicks never
// sees a focus mark. The window keeps the answer; its controls ask when they paint.
#pragma once

#include <QVariant>
#include <QWidget>

namespace batonnets {

inline constexpr char FocusVisibleProperty[] = "batonnetsFocusVisible";

// Whether w should show that it has the keyboard focus.
inline bool showsFocus(const QWidget* w) {
    return w->hasFocus() && w->window()->property(FocusVisibleProperty).toBool();
}

} // namespace batonnets
