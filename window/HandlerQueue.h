// SPDX-License-Identifier: GPL-3.0-or-later
// One handler at a time, and what waits for the running one: the game's handlers share
// the module's loop variables, and one started inside another's animation would corrupt
// both.
#pragma once

#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>
#include <utility>

class QAbstractButton;
class QWidget;

namespace batonnets {

class BatonnetsWindow;

// Clicks, keys and close requests never start a handler inside another, as they wait in
// the window system's queue until the handler returns (see pace()). A request from
// assistive technology ("press" on a button) is no input event, though: it is delivered
// during an animation like any other event. It waits here, whole, until the running
// handler has returned, then counts as a click made at that moment: dropped if its
// control has been disabled or covered meanwhile, as such a click would be.
// Once the last handler has returned, the window settles its controls: the keyboard focus
// and what assistive technology is told follow what the handlers did.
class HandlerQueue : public QObject {
    Q_OBJECT
  public:
    explicit HandlerQueue(BatonnetsWindow& window);

    // The queue of the window that holds w, if that window has one.
    static HandlerQueue* of(const QWidget* w);

    // Runs a handler raised by source now, or once the running one has returned, if source
    // is still enabled then.
    void run(QWidget* source, std::function<void()> handler);
    // A press from assistive technology: answered at once, carried out from the event loop
    // as a click on b made once no handler runs, and judged then.
    void press(QAbstractButton* b);

  private:
    void pressNow(const QPointer<QAbstractButton>& b);

    BatonnetsWindow& window_;
    bool busy_ = false;
    std::deque<std::pair<QPointer<QWidget>, std::function<void()>>> waiting_;
};

} // namespace batonnets
