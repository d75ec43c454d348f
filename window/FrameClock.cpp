// SPDX-License-Identifier: GPL-3.0-or-later
// The window's frame clock: what the animation passes changed reaches the screen at the
// display's rhythm, never making a pass wait, and each animation ends on screen.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <thread>
#include <utility>

#include "BatonnetsWindow.h"
#include "PictureBox.h"

namespace batonnets {

namespace {

using namespace std::chrono_literals;

// How far ahead of their schedule the passes may run before the program sleeps and
// looks at its events: a quarter of a 60 Hz frame.
constexpr std::chrono::microseconds PaceBurst = 4ms;
// The longest a frame waits for the platform's word that it can take one.
constexpr std::chrono::milliseconds FrameAnswerTimeout = 100ms;

// The shortest time between two frames. Wayland's frame callbacks say when the
// compositor wants the next one, at its screen's rhythm, and need no help. On other
// platforms (X11) nothing says when the screen has shown a frame: one a refresh of the
// screen, its rate taken between 60 and 120 Hz (a screen may report 0, or a rate no
// eye follows).
std::chrono::steady_clock::duration frameInterval(const QWindow& window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return {};
    const qreal hz = window.screen() ? window.screen()->refreshRate() : 60.0;
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(1.0 / std::clamp(hz, 60.0, 120.0)));
}

} // namespace

void BatonnetsWindow::startFrameClock() {
    if (QWindow* handle = windowHandle()) {
        frameInterval_ = frameInterval(*handle);
        handle->installEventFilter(this);
    }
}

// A pass only notes what it changed; the frame clock in pace() decides when that
// reaches the screen.
void BatonnetsWindow::repaintWindow() {
    pending_ = Change::Window;
}
void BatonnetsWindow::repaintLid() {
    if (pending_ == Change::None) pending_ = Change::Lid;
}

// The game owns the pace, the display owns the frames. A synchronous repaint at every
// pass waits for the display: on Wayland for the compositor to release a buffer, at
// most one frame a refresh, which made the lid's 858 passes last four times their
// second; on X11 for the server's copy of a frame no screen could show, 860 of them a
// second. So a pass paints only when a frame is due: when the platform has answered
// the last frame's requestUpdate() (on Wayland, the compositor's frame callback) and
// the frame interval has passed since. Qt's own update requests, raised by the moves,
// are held back meanwhile. Each frame shows the newest state, and flushFrame() puts
// an animation's last pass on screen whether a frame is due or not.
bool BatonnetsWindow::frameDue() const {
    const auto since = std::chrono::steady_clock::now() - lastFrame_;
    // A compositor sends no frame callback to a window it does not show; should one be
    // lost all the same, the animation is not left frozen on screen.
    return (frameReady_ && since >= frameInterval_) || since >= FrameAnswerTimeout;
}

void BatonnetsWindow::paintFrame() {
    const Change what = std::exchange(pending_, Change::None);
    heldUpdate_ = false;
    if (what == Change::Lid) {
        // The lid's picture is opaque: said so for this repaint alone, Qt paints neither
        // the board nor the sticks beneath it, only the lid and the strip it has just
        // uncovered. It stays transparent otherwise, so that a whole-window repaint
        // keeps a few plain rectangles to copy the backdrop in (an opaque child would
        // carve the window's region up, and Qt's raster engine fills complex regions
        // far more slowly).
        couvercle_->setAttribute(Qt::WA_OpaquePaintEvent, true);
        couvercle_->repaint();
        couvercle_->setAttribute(Qt::WA_OpaquePaintEvent, false);
    } else {
        // Only what the passes marked: every move marks where its control was and is,
        // so the frame paints those places, not the whole window again. A stick's
        // alignment is then a strip of the board, not the 1.5 MB of a whole window,
        // for the program and for the display server alike.
        QEvent sync(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(this, &sync);
    }
    lastFrame_ = std::chrono::steady_clock::now();
    QWindow* handle = windowHandle();
    if (handle && handle->isExposed()) {
        frameReady_ = false;
        frameRequested_ = true;
        handle->requestUpdate();
    }
}

void BatonnetsWindow::flushFrame() {
    if (pending_ != Change::None) paintFrame();
    // An animation's end: whatever input was read from the display meanwhile (by the
    // passes' event processing or by the frame's own flush) waits, held back, for the
    // handler to return. Wake the event loop, so that it runs then and not at the next
    // unrelated event.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void BatonnetsWindow::pace() {
    if (pending_ != Change::None && frameDue()) paintFrame();
    // A message shown as an animation starts ("L'ordinateur joue") is said as it starts.
    if (announcer_->pending()) announcer_->flush();
    if (passPeriod_.count() > 0) {
        const auto now = std::chrono::steady_clock::now();
        // A new animation, or a stall: start the cadence afresh rather than catch up.
        if (now > deadline_ + 50ms) deadline_ = now;
        deadline_ += passPeriod_;
        // The passes run in short bursts, a few milliseconds ahead of their schedule,
        // and the program wakes once a burst rather than once a pass: no frame shows
        // the difference, and the animation keeps its pass period and its length.
        if (deadline_ - now < PaceBurst) return;
    }
    // Lets the window answer the window manager (liveness pings, exposures, the frame
    // callbacks) while the clicks, keys and close requests made meanwhile stay queued
    // for later.
    inPace_ = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    inPace_ = false;
    // A held update request is asked again, so that the event loop paints what is left
    // should a handler end without its last frame.
    if (std::exchange(heldUpdate_, false))
        QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    // Input held back is already read from the display connection, so no new activity
    // would wake the event loop for it: wake it now, so that it is handled as soon as
    // the running handler returns rather than at the next unrelated event.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
    if (passPeriod_.count() > 0) sleepUntil(deadline_);
}

void BatonnetsWindow::sleepUntil(std::chrono::steady_clock::time_point deadline) {
    std::this_thread::sleep_until(deadline);
}

bool BatonnetsWindow::event(QEvent* e) {
    // Qt's update request, raised by a pass's move: painted with the next frame.
    if (e->type() == QEvent::UpdateRequest && inPace_ && pending_ != Change::None) {
        heldUpdate_ = true;
        return true;
    }
    return QWidget::event(e);
}

bool BatonnetsWindow::eventFilter(QObject* watched, QEvent* e) {
    // The keyboard marks the focus, a click hides the mark (FocusVisible.h).
    if (watched == windowHandle()) {
        if (e->type() == QEvent::KeyPress) setFocusVisible(true);
        if (e->type() == QEvent::MouseButtonPress) setFocusVisible(false);
    }
    // The answer to paintFrame()'s requestUpdate(): the platform takes the next frame.
    // Only a signal for the frame clock; nothing in Qt Widgets asks for one itself.
    if (e->type() == QEvent::UpdateRequest && frameRequested_ && watched == windowHandle()) {
        frameRequested_ = false;
        frameReady_ = true;
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace batonnets
