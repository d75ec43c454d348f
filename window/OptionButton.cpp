// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionButton.h"

#include "ButtonKeys.h"
#include "Face.h"
#include "FocusVisible.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace batonnets {

namespace {

enum StateBit { Enabled = 1, Checked = 2, Down = 4, Focused = 8, Hovered = 16 };

constexpr int IndicatorLeft = 2;
constexpr int IndicatorSize = 13;
constexpr int TextGap = 5; // between the indicator and the caption
constexpr int FocusWidth = 2;
constexpr int FocusGap = 1; // between the caption and its focus box

} // namespace

OptionButton::OptionButton(const QString& caption, int group, int index, const QFont& font,
                           QWidget* parent)
    : QAbstractButton(parent), group_(group), index_(index) {
    setText(caption);
    setFont(font);
    setCheckable(true);
    setAutoExclusive(false); // we do our own, across parents
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    // Accessible name left unset on purpose: Qt reports text(), which can never go stale.

    // Hooked on toggled rather than on setValue, so that a plain setChecked(true) from
    // anywhere keeps the group exclusive too.
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (!on) return;
        for (OptionButton* mate : groupMates())
            if (mate != this) mate->setChecked(false);
    });
    connect(this, &QAbstractButton::clicked, this, [this] { emit optionClicked(index_); });
}

void OptionButton::setColours(const OptionColours& colours) {
    colours_ = colours;
    stale_ = true;
    update();
}

int OptionButton::value() const {
    return isChecked() ? 1 : 0;
}
void OptionButton::setValue(int v) {
    setChecked(v != 0);
}
int OptionButton::group() const {
    return group_;
}
int OptionButton::index() const {
    return index_;
}

QSize OptionButton::sizeHint() const {
    const QFontMetrics fm(font());
    return {IndicatorLeft + IndicatorSize + TextGap + fm.horizontalAdvance(text()) + 4,
            std::max(fm.height(), IndicatorSize) + 4};
}

QList<OptionButton*> OptionButton::groupMates() const {
    QList<OptionButton*> mates;
    for (OptionButton* b : window()->findChildren<OptionButton*>())
        if (b->group_ == group_) mates.append(b);
    if (!mates.contains(this)) mates.append(const_cast<OptionButton*>(this));
    std::stable_sort(mates.begin(), mates.end(), [](const OptionButton* a, const OptionButton* b) {
        return a->index_ < b->index_;
    });
    return mates;
}

void OptionButton::nextCheckState() {
    // A click selects; it never deselects (the selected button stays selected).
    if (!isChecked()) setChecked(true);
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    if (pressesButton(*event)) {
        click();
        return;
    }
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->accept();

    // Like the platform's radio groups: arrows walk the group, wrapping round, skipping
    // buttons the player could not click anyway.
    QList<OptionButton*> reachable;
    for (OptionButton* b : groupMates())
        if (b == this || (b->isEnabled() && b->isVisibleTo(b->window()))) reachable.append(b);
    const qsizetype n = reachable.size();
    if (n < 2) return;
    OptionButton* target = reachable[(reachable.indexOf(this) + step + n) % n];
    target->setFocus(Qt::OtherFocusReason);
    target->click();
}

OptionButton::State OptionButton::currentState() const {
    int state = 0;
    if (isEnabled()) state |= Enabled;
    if (isChecked()) state |= Checked;
    if (isEnabled()) {
        if (isDown()) state |= Down;
        if (showsFocus(this)) state |= Focused;
        if (underMouse()) state |= Hovered;
    }
    return {state, size(), devicePixelRatioF(), text()};
}

void OptionButton::render(const State& state) {
    const qreal dpr = state.dpr;
    face_ = facePixmap(state.size, dpr);
    face_.fill(colours_.back);
    faceState_ = state;
    stale_ = false;
    if (state.size.isEmpty()) return;

    const bool enabled = state.state & Enabled;
    QPainter p(&face_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The round indicator: a sunken white well with a dark rim, an orange inner ring while
    // the mouse is over it, and a green dot when selected.
    const qreal d = std::min<qreal>(IndicatorSize, state.size.height() - 2);
    const QRectF well(IndicatorLeft + 0.5, (state.size.height() - d) / 2.0, d - 1, d - 1);
    QRadialGradient wellFill(well.center() + QPointF(d / 6, d / 6), d / 1.4);
    if (enabled) {
        const bool down = state.state & Down;
        wellFill.setColorAt(0, down ? QColor(200, 200, 195) : Qt::white);
        wellFill.setColorAt(1, down ? QColor(170, 170, 165) : QColor(210, 210, 205));
        p.setPen(QPen(colours_.rim, 1));
    } else {
        wellFill.setColorAt(0, QColor(245, 245, 245));
        wellFill.setColorAt(1, QColor(235, 235, 235));
        p.setPen(QPen(QColor(175, 175, 175), 1));
    }
    p.setBrush(wellFill);
    p.drawEllipse(well);

    if (state.state & Hovered) {
        p.setPen(QPen(QColor(248, 179, 48), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(well.adjusted(1.5, 1.5, -1.5, -1.5));
    }
    if (state.state & Checked) {
        const qreal r = d * 0.24;
        QRadialGradient dot(well.center() - QPointF(r / 3, r / 3), r * 1.4);
        if (enabled) {
            dot.setColorAt(0, colours_.dotLight);
            dot.setColorAt(1, colours_.dotDark);
        } else {
            dot.setColorAt(0, QColor(190, 190, 190));
            dot.setColorAt(1, QColor(150, 150, 150));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        p.drawEllipse(well.center(), r, r);
    }

    p.setFont(font());
    p.setPen(enabled ? colours_.caption : QColor(150, 150, 150));
    const int textLeft = IndicatorLeft + IndicatorSize + TextGap;
    const QRect textArea(textLeft, 0, state.size.width() - textLeft - 1, state.size.height());
    const QString shown =
        QFontMetrics(font()).elidedText(state.text, Qt::ElideRight, textArea.width() - 2);
    QRect drawn;
    p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, shown, &drawn);

    if (state.state & Focused) {
        // A solid box 2 px thick round the caption, kept inside the button.
        const QRect box =
            drawn.adjusted(-FocusGap - FocusWidth, -FocusWidth, FocusGap + FocusWidth, FocusWidth)
                .intersected(QRect(QPoint(0, 0), state.size));
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setClipRegion(QRegion(box).subtracted(
            QRegion(box.adjusted(FocusWidth, FocusWidth, -FocusWidth, -FocusWidth))));
        p.fillRect(box, colours_.focus);
    }
}

void OptionButton::paintEvent(QPaintEvent*) {
    const State state = currentState();
    if (stale_ || !(state == faceState_)) render(state);
    QPainter p(this);
    p.drawPixmap(0, 0, face_);
}

void OptionButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) stale_ = true;
    QAbstractButton::changeEvent(event);
}

} // namespace batonnets
