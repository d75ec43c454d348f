// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the player asked the desktop for high contrast, as desktop programs learn it: from
// the XDG desktop portal's Settings on the session bus (the portal's own "contrast", else
// GNOME's high-contrast switch, else a KDE colour scheme named for high contrast), or from
// KDE's kdeglobals file where no portal answers. The portal answers asynchronously, so the
// window shows at once in the look it has and changes when the answer comes; a switch
// flipped during a game is followed as it happens.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariant>

#include <optional>

class QDBusPendingCallWatcher;
class QDBusVariant;

namespace batonnets {

class BatonnetsWindow;

class DesktopContrast : public QObject {
    Q_OBJECT
  public:
    explicit DesktopContrast(QObject* parent = nullptr);

    // Reads kdeglobals now, asks the portal on `bus` and follows its changes from then on.
    void start(QDBusConnection bus);
    bool highContrast() const { return highContrast_; }

  signals:
    void highContrastChanged(bool on);

  private slots:
    void settingChanged(const QString& space, const QString& key, const QDBusVariant& value);

  private:
    // What one source says: unset while it has said nothing.
    struct Sources {
        std::optional<bool> appearance; // org.freedesktop.appearance contrast
        std::optional<bool> gnome;      // org.gnome.desktop.a11y.interface high-contrast
        std::optional<bool> kde;        // the KDE colour scheme's name
    };
    // Notes one setting, whatever portal version shaped it; false when it is none of ours.
    bool take(Sources& into, const QString& space, const QString& key, QVariant value) const;
    void answered(QDBusPendingCallWatcher* call);
    void decide();

    Sources sources_;
    Sources changed_; // what the portal signalled while the first answer was on its way
    bool highContrast_ = false;
};

// The window follows the desktop's high-contrast setting from now on.
void followDesktopContrast(BatonnetsWindow& window,
                           QDBusConnection bus = QDBusConnection::sessionBus());

} // namespace batonnets
