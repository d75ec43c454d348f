// SPDX-License-Identifier: GPL-3.0-or-later
// A framed group with a coloured title band, used to hold the option buttons. Painted from
// a cached pixmap: it never changes once built, yet the window repaints it on every
// animation step.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace batonnets {

class TitledFrame : public QWidget {
    Q_OBJECT
  public:
    TitledFrame(const QString& title, QColor title1, QColor title2, int titleHeight, QColor back2,
                const QFont& font, QWidget* parent);
    void setTitle(const QString& title);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void render();

    QString title_;
    QColor title1_;
    QColor title2_;
    int titleHeight_;
    QColor back2_;
    QPixmap face_;
    QSize faceSize_;
    qreal faceDpr_ = 0;
    bool dirty_ = true;
};

} // namespace batonnets
