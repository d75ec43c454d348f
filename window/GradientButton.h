// SPDX-License-Identifier: GPL-3.0-or-later
// The game's push button: a rounded face with a vertical two-colour gradient and a bold
// caption. The face is rendered once per state into a pixmap, because the whole window is
// repainted on every animation step and the buttons must cost one blit each.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <QString>

#include "Look.h"

namespace batonnets {

class GradientButton : public QAbstractButton {
    Q_OBJECT
  public:
    GradientButton(const QString& caption, const QFont& font, QWidget* parent);

    // The colours it paints with, from the window's look; repainted with the next frame.
    void setColours(const ButtonColours& colours);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Everything the face depends on, read at paint time (focus, press and hover changes
    // already schedule a repaint), except the font and colours: a change of either sets
    // stale_. The backdrop is the palette's window colour, what the parent shows behind
    // the button.
    struct State {
        int state = -1;
        QSize size;
        qreal dpr = 0;
        QString text;
        QColor backdrop;
        bool operator==(const State&) const = default;
    };

    State currentState() const;
    void render(const State& state);
    void drawFocusRing(QPainter& p, const QRectF& ring) const;

    ButtonColours colours_;
    QPixmap face_;
    State faceState_;
    bool stale_ = false;
};

} // namespace batonnets
