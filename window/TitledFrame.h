// SPDX-License-Identifier: GPL-3.0-or-later
// A framed group with a coloured title band, used to hold the option buttons. Painted from
// a cached pixmap: it changes only with the look, yet the window repaints it on every
// animation step.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "Look.h"

namespace batonnets {

class TitledFrame : public QWidget {
    Q_OBJECT
  public:
    TitledFrame(const QString& title, int titleHeight, const QFont& font, QWidget* parent);

    // The colours it paints with, from the window's look; repainted with the next frame.
    void setColours(const FrameColours& colours);
    // The title drawn in the band (a test draws the frame without one).
    void setTitle(const QString& title);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void render();

    QString title_;
    int titleHeight_;
    FrameColours colours_;
    QPixmap face_;
    QSize faceSize_;
    qreal faceDpr_ = 0;
    bool dirty_ = true;
};

} // namespace batonnets
