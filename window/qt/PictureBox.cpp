#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace batonnets {

PictureBox::PictureBox(const QPixmap& picture, int index, QWidget* parent)
    : QWidget(parent), picture_(picture), index_(index) {
    resize(picture_.deviceIndependentSize().toSize());
}

void PictureBox::setPosition(QPointF p) {
    pos_ = p;
    move(qRound(p.x()), qRound(p.y()));
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, picture_);
}

// A click is a press and a release over the same control, like a button's.
void PictureBox::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click) emit clicked(index_);
}

} // namespace batonnets
