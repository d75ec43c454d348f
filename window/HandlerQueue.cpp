// SPDX-License-Identifier: GPL-3.0-or-later
#include "HandlerQueue.h"

#include <QAbstractButton>

#include "BatonnetsWindow.h"
#include "PictureBox.h"

namespace batonnets {

namespace {

// What a click on b would do now: nothing once it is disabled, hidden or, for a stick,
// out of the player's reach (under the lid, outside the window).
bool clickable(const QAbstractButton* b) {
    if (!b || !b->isEnabled() || !b->isVisible()) return false;
    const auto* box = qobject_cast<const PictureBox*>(b);
    return !box || box->reachable();
}

} // namespace

HandlerQueue::HandlerQueue(BatonnetsWindow& window) : QObject(&window), window_(window) {}

HandlerQueue* HandlerQueue::of(const QWidget* w) {
    return w ? w->window()->findChild<HandlerQueue*>(QString(), Qt::FindDirectChildrenOnly)
             : nullptr;
}

void HandlerQueue::run(QWidget* source, std::function<void()> handler) {
    if (busy_) {
        waiting_.emplace_back(source, std::move(handler));
        return;
    }
    busy_ = true;
    handler();
    while (!waiting_.empty()) { // in the order they came, each to its end
        auto [control, next] = std::move(waiting_.front());
        waiting_.pop_front();
        if (control && control->isEnabled()) next();
    }
    busy_ = false;
    window_.settleControls();
}

void HandlerQueue::press(QAbstractButton* b) {
    QMetaObject::invokeMethod(
        this, [this, b = QPointer<QAbstractButton>(b)] { pressNow(b); }, Qt::QueuedConnection);
}

void HandlerQueue::pressNow(const QPointer<QAbstractButton>& b) {
    if (!busy_) {
        if (clickable(b)) b->click(); // its handler, if any, runs through run()
        return;
    }
    // Its turn comes once the handlers before it have returned: then no handler runs, and
    // the click's own handler runs at once rather than behind the queue.
    waiting_.emplace_back(b, [this, b] {
        busy_ = false;
        pressNow(b);
        busy_ = true;
    });
}

} // namespace batonnets
