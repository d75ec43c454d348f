// SPDX-License-Identifier: GPL-3.0-or-later
// The status line: a light panel with a thin border and one centred message. Painted from
// a cached pixmap, rebuilt only when the message, its colour or the size changes, because
// the window repaints it on every animation step.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace batonnets {

class StatusLabel : public QWidget {
    Q_OBJECT
  public:
    StatusLabel(const QFont& font, QColor back, QColor borderColor, QWidget* parent);

    void setCaption(const QString& text);
    QString caption() const;
    void setForeColor(QColor c);
    QColor foreColor() const;

    // The game raises this after each message; it draws nothing but announces the caption
    // to assistive technology, so a screen reader speaks every message, even a repeated one.
    // (setCaption announces a new message itself; the flag then adds nothing.)
    void setFlag(bool on);
    bool flag() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void render();
    void announce();

    QString caption_;
    QColor fore_ = Qt::black;
    QColor back_;
    QColor border_;
    bool flag_ = false;
    bool captionAnnounced_ = false; // by setCaption, since the flag was last raised
    QPixmap face_;
    QSize faceSize_;
    qreal faceDpr_ = 0;
    bool dirty_ = true;
};

} // namespace batonnets
