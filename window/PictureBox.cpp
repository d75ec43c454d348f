// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBox.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "ButtonKeys.h"

namespace batonnets {

PictureBox::PictureBox(const QPixmap& picture, int index, QWidget* parent)
    : QAbstractButton(parent), picture_(picture), index_(index) {
    resize(picture_.deviceIndependentSize().toSize());
    // A click never moves the focus; the window lets the sticks in play take it from
    // the keyboard.
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    resize(picture_.deviceIndependentSize().toSize());
    update();
}

void PictureBox::setPosition(QPointF p) {
    pos_ = p;
    const QRect before = geometry();
    move(qRound(p.x()), qRound(p.y()));
    if (!drawnByParent_ || !isVisible() || geometry() == before) return;
    // The focus mark moves along with the box.
    const int m = hasFocus() ? FocusMargin : 0;
    parentWidget()->update(before.united(geometry()).adjusted(-m, -m, m, m));
}

bool PictureBox::reachable() const {
    if (isHidden() || !parentWidget()->rect().intersects(geometry())) return false;
    // The parent's children come bottom first: those after this one lie above it.
    const QObjectList& siblings = parentWidget()->children();
    for (qsizetype k = siblings.indexOf(this) + 1; k < siblings.size(); ++k) {
        const auto* b = qobject_cast<const PictureBox*>(siblings[k]);
        if (b && !b->isHidden() && b->geometry().intersects(geometry())) return false;
    }
    return true;
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
    QAbstractButton::showEvent(e);
    if (drawnByParent_) parentWidget()->update(geometry());
}

void PictureBox::hideEvent(QHideEvent* e) {
    QAbstractButton::hideEvent(e);
    if (drawnByParent_) parentWidget()->update(geometry());
}

// The focus mark is the parent's to draw, around the box.
void PictureBox::focusInEvent(QFocusEvent* e) {
    QAbstractButton::focusInEvent(e);
    if (drawnByParent_) parentWidget()->update(focusFrame());
}

void PictureBox::focusOutEvent(QFocusEvent* e) {
    QAbstractButton::focusOutEvent(e);
    if (drawnByParent_) parentWidget()->update(focusFrame());
}

// The boxes that may take the focus (the sticks in play), by index, which is their order
// from left to right, and this one.
QList<PictureBox*> PictureBox::row() const {
    QList<PictureBox*> boxes;
    for (PictureBox* b : parentWidget()->findChildren<PictureBox*>(Qt::FindDirectChildrenOnly))
        if (b == this || b->focusPolicy() & Qt::TabFocus) boxes.append(b);
    std::sort(boxes.begin(), boxes.end(),
              [](const PictureBox* a, const PictureBox* b) { return a->index_ < b->index_; });
    return boxes;
}

// Space presses the box like any button; Return and Enter too. The arrows walk the row;
// Home and End go to either end of it.
void PictureBox::keyPressEvent(QKeyEvent* e) {
    if (pressesButton(*e)) {
        click();
        return;
    }
    const int key = e->key();
    const bool back = key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Home;
    const bool forth = key == Qt::Key_Right || key == Qt::Key_Down || key == Qt::Key_End;
    if (!back && !forth) {
        QAbstractButton::keyPressEvent(e);
        return;
    }
    const QList<PictureBox*> boxes = row();
    qsizetype to = boxes.indexOf(this) + (back ? -1 : 1);
    if (key == Qt::Key_Home) to = 0;
    if (key == Qt::Key_End) to = boxes.size() - 1;
    if (to >= 0 && to < boxes.size()) boxes[to]->setFocus(Qt::OtherFocusReason);
}

// The row is one stop of the tab chain: Tab and Shift+Tab leave it from whichever box
// has the focus. Qt's own search does the rest, with the other boxes held out of it.
bool PictureBox::focusNextPrevChild(bool next) {
    QList<PictureBox*> others = row();
    others.removeOne(this);
    for (PictureBox* b : others)
        b->setFocusPolicy(Qt::NoFocus);
    const bool moved = QAbstractButton::focusNextPrevChild(next);
    for (PictureBox* b : others)
        b->setFocusPolicy(Qt::TabFocus);
    return moved;
}

} // namespace batonnets
