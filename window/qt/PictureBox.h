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

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QPixmap picture_;
    int index_;
    QPointF pos_;
    bool pressed_ = false;
};

} // namespace batonnets
