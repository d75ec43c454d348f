// SPDX-License-Identifier: GPL-3.0-or-later
// The keys that press our buttons besides Space, which Qt's buttons already answer.
#pragma once

#include <QKeyEvent>

namespace batonnets {

// Return, and Enter on the keypad, press the focused button once, without modifiers.
inline bool pressesButton(const QKeyEvent& e) {
    const auto mods = e.modifiers() & ~Qt::KeypadModifier;
    return !e.isAutoRepeat() && mods == Qt::NoModifier &&
           (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter);
}

} // namespace batonnets
