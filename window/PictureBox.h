// SPDX-License-Identifier: GPL-3.0-or-later
// A control that shows one picture at its natural size: a stick or the lid. It keeps
// its position in floating-point pixels, as the game sets it, and is pressed like a
// button: by a click, and, once the window lets it take the focus, by the keyboard.
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QPointF>

namespace batonnets {

class PictureBox : public QAbstractButton {
    Q_OBJECT
  public:
    PictureBox(const QPixmap& picture, int index, QWidget* parent);

    int index() const { return index_; }
    QPointF position() const { return pos_; }
    // Moves the control; the widget itself sits at the nearest whole pixel.
    void setPosition(QPointF p);
    const QPixmap& picture() const { return picture_; }
    // Shows another picture of the same size (the lid in another look).
    void setPicture(const QPixmap& picture);
    // The parent draws the picture in its own paint event, with its own painter: a stick
    // is a narrow picture, and a painter and a paint event of its own cost more than
    // the picture itself on every whole-window repaint. The box then paints nothing,
    // tells the parent where to redraw when it moves, shows or hides, and still reports
    // clicks.
    void setDrawnByParent();
    bool drawnByParent() const { return drawnByParent_; }
    // Whether a click could land on the box: shown, inside its parent, and not covered
    // by a box above it (the lid over the sticks).
    bool reachable() const;
    // Where the parent draws the keyboard focus mark around the picture.
    QRect focusFrame() const {
        return geometry().adjusted(-FocusMargin, -FocusMargin, FocusMargin, FocusMargin);
    }

  protected:
    void paintEvent(QPaintEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;

  private:
    static constexpr int FocusMargin = 4;
    QList<PictureBox*> row() const;

    QPixmap picture_;
    int index_;
    QPointF pos_;
    bool drawnByParent_ = false;
};

} // namespace batonnets
