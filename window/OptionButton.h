// SPDX-License-Identifier: GPL-3.0-or-later
// The game's option (radio) button. Exclusivity goes by group number among all option
// buttons of one top-level window rather than by Qt parent, so a frame can hold buttons of
// several groups and a group can span frames. Its face is cached in a pixmap like the
// other controls, because the window repaints everything on each animation step.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QList>
#include <QPixmap>
#include <QString>

#include "Look.h"

namespace batonnets {

class OptionButton : public QAbstractButton {
    Q_OBJECT
  public:
    OptionButton(const QString& caption, int group, int index, const QFont& font, QWidget* parent);

    // The colours it paints with, from the window's look; repainted with the next frame.
    void setColours(const OptionColours& colours);

    int value() const;    // 1 when selected
    void setValue(int v); // 1 selects it (and deselects its group mates), 0 deselects it
    int group() const;
    int index() const;

    QSize sizeHint() const override;

  signals:
    // Every selection made by the player, even a repeated one on the selected button.
    void optionClicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void nextCheckState() override;

  private:
    struct State {
        int state = -1;
        QSize size;
        qreal dpr = 0;
        QString text;
        bool operator==(const State&) const = default;
    };

    // Buttons of the same group in the same window, this one included, by index.
    QList<OptionButton*> groupMates() const;
    State currentState() const;
    void render(const State& state);

    int group_;
    int index_;
    OptionColours colours_;
    QPixmap face_;
    State faceState_;
    bool stale_ = false;
};

} // namespace batonnets
