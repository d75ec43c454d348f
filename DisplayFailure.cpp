// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's start-up messages, watched for the display that would not open. Qt says why in a
// few warnings (which display, which plugin) before its fatal message; the line printed
// instead gives that cause in the player's language.
#include "DisplayFailure.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Translate.h"
#include "game/Texts.h"

namespace batonnets {

namespace {

struct Held {
    QtMsgType type;
    std::string category;
    QString text;
};

QtMessageHandler previous = nullptr;
std::vector<Held> held;

// The first message held that says `marker`, or null.
const Held* find(const char* marker) {
    for (const Held& h : held)
        if (h.text.contains(QLatin1String(marker))) return &h;
    return nullptr;
}

// What the message says after `marker`: a name, without its quotes.
QString after(const Held& h, const char* marker) {
    QString rest = h.text.mid(h.text.indexOf(QLatin1String(marker)) + qstrlen(marker)).trimmed();
    if (rest.startsWith(QLatin1Char('"'))) rest = rest.mid(1).section(QLatin1Char('"'), 0, 0);
    return rest;
}

QString env(const char* name) {
    return qEnvironmentVariable(name);
}

// Why no display opened, from what Qt said on the way.
QString cause() {
    if (const Held* h = find("Could not find the Qt platform plugin"))
        return translated(texts::NoPlugin).arg(after(*h, "Could not find the Qt platform plugin"));
    if (const Held* h = find("could not connect to display")) {
        const QString name = after(*h, "could not connect to display");
        if (name.isEmpty()) return translated(texts::NoDisplayVariable);
        return translated(texts::DisplayUnreachable).arg(name);
    }
    if (find("wl_display") || find("platform plugin \"wayland")) {
        const QString name = env("WAYLAND_DISPLAY");
        return translated(texts::CompositorUnreachable)
            .arg(name.isEmpty() ? QStringLiteral("wayland-0") : name);
    }
    return translated(texts::NoPlatformStarted);
}

void handler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("no Qt platform plugin could be"))) {
        const QString line = translated(texts::NoDisplay).arg(cause());
        std::fputs(line.toLocal8Bit().constData(), stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
        std::_Exit(1); // nothing of the program has started: nothing to clean up
    }
    if (type == QtFatalMsg) {
        displayStarted(); // an unrelated fatal error: said as Qt says it, then the abort
        previous(type, context, text);
        return;
    }
    held.push_back({type, context.category ? context.category : "", text});
}

} // namespace

void watchDisplayStart() {
    previous = qInstallMessageHandler(handler);
}

void displayStarted() {
    qInstallMessageHandler(previous);
    for (const Held& h : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, h.category.c_str());
        previous(h.type, context, h.text);
    }
    held.clear();
}

} // namespace batonnets
