// SPDX-License-Identifier: GPL-3.0-or-later
#include "GradientButton.h"

#include "ButtonKeys.h"
#include "Face.h"
#include "FocusVisible.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace batonnets {

namespace {

enum StateBit { Enabled = 1, Down = 2, Focused = 4, Hovered = 8 };

constexpr qreal Radius = 6.0;
constexpr int TextPadding = 6; // room kept free on each side of the caption

// A disabled face keeps its brightness ordering but loses its hue and most of its contrast,
// so it reads as "off" whatever colour the button normally has.
QColor greyed(QColor c) {
    const int g = qGray(c.rgb());
    const int v = (g + 2 * 205) / 3;
    return QColor(v, v, v);
}

} // namespace

GradientButton::GradientButton(const QString& caption, QColor back1, QColor back2, QColor fore,
                               const QFont& font, QWidget* parent)
    : QAbstractButton(parent), back1_(back1), back2_(back2), fore_(fore) {
    setText(caption);
    setFont(font);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    // The accessible name is deliberately left unset: Qt then reports text(), which stays
    // right when the game relabels a button (Ouvrir <-> Fermer).
}

QSize GradientButton::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + 2 * TextPadding + 8, fm.height() + 12};
}

GradientButton::Look GradientButton::currentLook() const {
    int state = 0;
    if (isEnabled()) {
        state |= Enabled;
        if (isDown()) state |= Down;
        if (showsFocus(this)) state |= Focused;
        if (underMouse()) state |= Hovered;
    }
    return {state, size(), devicePixelRatioF(), text(), palette().color(QPalette::Window)};
}

void GradientButton::render(const Look& look) {
    const qreal dpr = look.dpr;
    face_ = facePixmap(look.size, dpr);
    // The rounded corners are laid on the backdrop rather than left transparent: an
    // opaque face is a plain copy on every whole-window repaint, not a blend.
    face_.fill(look.backdrop);
    faceLook_ = look;
    fontChanged_ = false;
    if (look.size.isEmpty()) return;

    const bool enabled = look.state & Enabled;
    const bool down = look.state & Down;
    QColor top = enabled ? back1_ : greyed(back1_);
    QColor bottom = enabled ? back2_ : greyed(back2_);
    if (look.state & Hovered && !down) {
        top = top.lighter(118);
        bottom = bottom.lighter(118);
    }
    if (down) {
        // Pressed: the light falls from below and the face sinks a little.
        std::swap(top, bottom);
        top = top.darker(115);
        bottom = bottom.darker(115);
    }

    QPainter p(&face_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF outer = QRectF(QPointF(0, 0), QSizeF(look.size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(outer, Radius, Radius);

    QLinearGradient face(outer.topLeft(), outer.bottomLeft());
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    p.fillPath(shape, face);

    // A soft sheen on the upper half gives the face some relief; a pressed face has none.
    if (!down) {
        QLinearGradient sheen(outer.topLeft(), QPointF(outer.left(), outer.center().y()));
        sheen.setColorAt(0, QColor(255, 255, 255, enabled ? 90 : 60));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.save();
        p.setClipPath(shape);
        p.fillRect(QRectF(outer.left(), outer.top(), outer.width(), outer.height() / 2), sheen);
        p.restore();
    }

    const QColor edge = enabled ? QColor(0, 0, 0, 170) : QColor(110, 110, 110);
    p.setPen(QPen(edge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);

    // Shrink the caption only when it would not fit: a long caption stays whole and readable.
    QFont f = font();
    const int room = look.size.width() - 2 * TextPadding;
    while (QFontMetrics(f).horizontalAdvance(look.text) > room && f.pixelSize() > 8)
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);

    QRectF textRect = QRectF(QPointF(0, 0), QSizeF(look.size));
    if (down) textRect.translate(1, 1);
    if (enabled) {
        p.setPen(QColor(0, 0, 0, 120));
        p.drawText(textRect.translated(1, 1), Qt::AlignCenter, look.text);
        p.setPen(fore_);
        p.drawText(textRect, Qt::AlignCenter, look.text);
    } else {
        // Engraved grey caption: the classic "not available now" look.
        p.setPen(QColor(255, 255, 255, 200));
        p.drawText(textRect.translated(1, 1), Qt::AlignCenter, look.text);
        p.setPen(QColor(112, 112, 112));
        p.drawText(textRect, Qt::AlignCenter, look.text);
    }

    if (look.state & Focused) {
        p.setPen(QPen(QColor(255, 255, 255, 220), 1, Qt::DotLine));
        p.drawRoundedRect(outer.adjusted(3, 3, -3, -3), Radius - 3, Radius - 3);
    }
}

void GradientButton::paintEvent(QPaintEvent*) {
    const Look look = currentLook();
    if (fontChanged_ || !(look == faceLook_)) render(look);
    QPainter p(this);
    p.drawPixmap(0, 0, face_);
}

void GradientButton::keyPressEvent(QKeyEvent* event) {
    if (pressesButton(*event))
        click();
    else
        QAbstractButton::keyPressEvent(event);
}

void GradientButton::changeEvent(QEvent* event) {
    // Enabled state is read at paint time; QWidget already repaints on both changes.
    if (event->type() == QEvent::FontChange) fontChanged_ = true;
    QAbstractButton::changeEvent(event);
}

} // namespace batonnets
