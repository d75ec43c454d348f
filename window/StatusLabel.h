// SPDX-License-Identifier: GPL-3.0-or-later
// The status line: a light panel with a thin border and one centred message. Painted from
// a cached pixmap, rebuilt only when the message, its colour or the size changes, because
// the window repaints it on every animation step.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "Look.h"

namespace batonnets {

class StatusLabel : public QWidget {
    Q_OBJECT
  public:
    StatusLabel(const QFont& font, QWidget* parent);

    // The colours it paints with, from the window's look; repainted with the next frame.
    void setColours(const LabelColours& colours);

    void setCaption(const QString& text);
    QString caption() const;
    void setForeColor(QColor c);
    QColor foreColor() const;

    // The game raises this after each message; it draws nothing (the window tells a screen
    // reader of a message shown again then, see setResultatFlag).
    void setFlag(bool on);
    bool flag() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void render();

    QString caption_;
    QColor fore_ = Qt::black; // as the game set it; drawn as the look says
    LabelColours colours_;
    bool flag_ = false;
    QPixmap face_;
    QSize faceSize_;
    qreal faceDpr_ = 0;
    bool dirty_ = true;
};

} // namespace batonnets
