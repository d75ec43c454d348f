// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows beneath its controls, kept as one picture: the window's colour,
// the board, and the picture boxes the window draws itself (the sticks). Every
// animation pass repaints the whole window; with the backdrop composed ahead, that is
// one copy of this picture instead of a board, a colour fill and twenty sticks.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <vector>

class QWidget;

namespace batonnets {

class PictureBox;

class Backdrop {
  public:
    // Brings the picture up to date for `owner`: composed whole when the board, the
    // colour, the size or the pixel ratio changed, otherwise redrawn only where a picture box drawn
    // by the owner moved, appeared, disappeared or changed picture since last time.
    void update(const QWidget& owner, const QPixmap& board, QColor colour);
    const QPixmap& picture() const { return picture_; }

  private:
    // What was drawn for one picture box.
    struct Trace {
        const PictureBox* box = nullptr;
        QRect rect;
        bool shown = false;
        qint64 picture = 0;
        bool operator==(const Trace&) const = default;
    };

    void draw(const QRect& area, const QPixmap& board, QColor colour);

    QPixmap picture_;
    qint64 board_ = 0;
    QColor colour_;
    std::vector<Trace> traces_; // the owner's picture boxes, bottom first
};

} // namespace batonnets
