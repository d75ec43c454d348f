// SPDX-License-Identifier: GPL-3.0-or-later
// The backdrop picture: composed whole once, then patched where a stick changed.
#include "Backdrop.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <algorithm>

#include "PictureBox.h"

namespace batonnets {

void Backdrop::update(const QWidget& owner, const QPixmap& board, QColor colour) {
    // The owner's children come bottom first: the order the boxes are drawn in.
    std::vector<Trace> now;
    now.reserve(traces_.size());
    for (const QObject* o : owner.children())
        if (const auto* b = qobject_cast<const PictureBox*>(o); b && b->drawnByParent())
            now.push_back({b, b->geometry(), !b->isHidden(), b->picture().cacheKey()});

    const QRect all(QPoint(0, 0), owner.size());
    const qreal dpr = owner.devicePixelRatioF();
    QRegion dirty;
    if (picture_.isNull() || picture_.devicePixelRatio() != dpr ||
        picture_.deviceIndependentSize().toSize() != all.size() || board.cacheKey() != board_ ||
        colour != colour_) {
        picture_ = QPixmap((QSizeF(all.size()) * dpr).toSize());
        picture_.setDevicePixelRatio(dpr);
        board_ = board.cacheKey();
        colour_ = colour;
        dirty = all;
    } else {
        // A box that changed leaves its old place and takes its new one. The lists are
        // compared in order, so a box added or restacked counts as a change as well.
        for (std::size_t i = 0; i < std::max(now.size(), traces_.size()); ++i) {
            const Trace* before = i < traces_.size() ? &traces_[i] : nullptr;
            const Trace* after = i < now.size() ? &now[i] : nullptr;
            if (before && after && *before == *after) continue;
            if (before && before->shown) dirty += before->rect;
            if (after && after->shown) dirty += after->rect;
        }
    }
    traces_ = std::move(now);
    dirty &= all;
    for (const QRect& r : dirty)
        draw(r, board, colour);
}

// Redraws one rectangle, clipped to it: the colour off the board, the board, then the
// boxes over it in their stacking order.
void Backdrop::draw(const QRect& area, const QPixmap& board, QColor colour) {
    QPainter p(&picture_);
    p.setClipRect(area);
    const QRect onBoard = area & QRect(QPoint(0, 0), board.deviceIndependentSize().toSize());
    for (const QRect& r : QRegion(area).subtracted(onBoard))
        p.fillRect(r, colour);
    if (!onBoard.isEmpty()) {
        const qreal d = board.devicePixelRatio();
        p.drawPixmap(
            QRectF(onBoard), board,
            QRectF(onBoard.x() * d, onBoard.y() * d, onBoard.width() * d, onBoard.height() * d));
    }
    for (const Trace& t : traces_)
        if (t.shown && t.rect.intersects(area)) p.drawPixmap(t.rect.topLeft(), t.box->picture());
}

} // namespace batonnets
