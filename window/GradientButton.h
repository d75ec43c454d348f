// SPDX-License-Identifier: GPL-3.0-or-later
// The game's push button: a rounded face with a vertical two-colour gradient and a bold
// caption. The face is rendered once per look into a pixmap, because the whole window is
// repainted synchronously on every animation step and the buttons must cost one blit each.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <QString>

namespace batonnets {

class GradientButton : public QAbstractButton {
    Q_OBJECT
  public:
    GradientButton(const QString& caption, QColor back1, QColor back2, QColor fore,
                   const QFont& font, QWidget* parent);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Everything the face depends on, read at paint time (focus, press and hover changes
    // already schedule a repaint), except the font and colours: colours are fixed at
    // construction and a font change sets fontChanged_. The backdrop is the palette's
    // window colour, what the parent shows behind the button.
    struct Look {
        int state = -1;
        QSize size;
        qreal dpr = 0;
        QString text;
        QColor backdrop;
        bool operator==(const Look&) const = default;
    };

    Look currentLook() const;
    void render(const Look& look);

    QColor back1_;
    QColor back2_;
    QColor fore_;
    QPixmap face_;
    Look faceLook_;
    bool fontChanged_ = false;
};

} // namespace batonnets
