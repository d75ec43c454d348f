// A control that shows one picture at its natural size: a stick or the lid. It keeps
// its position in floating-point pixels, as the game sets it, and reports clicks.
#pragma once

#include <QPixmap>
#include <QPointF>
#include <QWidget>

namespace batonnets {

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    PictureBox(const QPixmap& picture, int index, QWidget* parent);

    int index() const { return index_; }
    QPointF position() const { return pos_; }
    // Moves the control; the widget itself sits at the nearest whole pixel.
    void setPosition(QPointF p);
    const QPixmap& picture() const { return picture_; }
    // The parent draws the picture in its own paint event, with its own painter: a stick
    // is a narrow picture, and a painter and a paint event of its own cost more than
    // the picture itself on every whole-window repaint. The box then paints nothing,
    // tells the parent where to redraw when it moves, shows or hides, and still reports
    // clicks.
    void setDrawnByParent();
    bool drawnByParent() const { return drawnByParent_; }

  signals:
    void clicked(int index);

  protected:
    void paintEvent(QPaintEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    QPixmap picture_;
    int index_;
    QPointF pos_;
    bool pressed_ = false;
    bool drawnByParent_ = false;
};

} // namespace batonnets
