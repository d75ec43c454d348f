// SPDX-License-Identifier: GPL-3.0-or-later
#include "Announcer.h"

#include <QTimer>

namespace batonnets {

namespace {
// Long enough for a screen reader that is behind to still find the announcement alive.
constexpr int AnnouncementLifeMs = 15000;
} // namespace

Announcement::Announcement(const QString& text, QWidget* parent) : QWidget(parent) {
    setAccessibleName(text); // before it shows: its name never changes afterwards
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0); // nothing to paint, nothing to click
    QTimer::singleShot(AnnouncementLifeMs, this, &QObject::deleteLater);
}

void Announcer::say(const QString& text) {
    if (!text.isEmpty()) pending_.append(text);
}

void Announcer::flush() {
    if (pending_.isEmpty()) return;
    const QString text = pending_.join(QLatin1Char(' '));
    pending_.clear();
    // Showing it is what assistive technology is told: a notification appears.
    (new Announcement(text, where_))->show();
}

} // namespace batonnets
