// SPDX-License-Identifier: GPL-3.0-or-later
// What the game says to a screen reader without the focus: the status line's messages and
// how the game stands after each move. A screen reader reads an object's name when it gets
// round to the event, not when the event was sent, so a message carried by an object whose
// name changes on can be lost or said in the wrong words. Each announcement is therefore an
// object of its own, a notification whose name never changes, that appears once and goes a
// while later, as a desktop notification does.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace batonnets {

// One announcement: an empty, invisible widget that assistive technology sees as a
// notification appearing with its text.
class Announcement : public QWidget {
    Q_OBJECT
  public:
    Announcement(const QString& text, QWidget* parent);
};

class Announcer {
  public:
    // The announcements appear as children of where (the status line).
    explicit Announcer(QWidget* where) : where_(where) {}

    // Queues a message; flush() says what was queued since the last one.
    void say(const QString& text);
    bool pending() const { return !pending_.isEmpty(); }
    // Says the queued messages, in order, as one announcement: a screen reader cuts a
    // message short when the next one comes, so messages of one moment go together.
    void flush();

  private:
    QWidget* where_;
    QStringList pending_;
};

} // namespace batonnets
