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
    const QRect before = geometry();
    move(qRound(p.x()), qRound(p.y()));
    if (drawnByParent_ && isVisible() && geometry() != before)
        parentWidget()->update(before.united(geometry()));
}

void PictureBox::setDrawnByParent() {
    drawnByParent_ = true;
    // Qt then leaves the box out when it paints the parent's children.
    setUpdatesEnabled(false);
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (drawnByParent_) return;
    QPainter(this).drawPixmap(0, 0, picture_);
}

void PictureBox::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (drawnByParent_) parentWidget()->update(geometry());
}

void PictureBox::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (drawnByParent_) parentWidget()->update(geometry());
}

// A click is a press and a release over the same control, like a button's.
void PictureBox::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click) emit clicked(index_);
}

} // namespace batonnets
