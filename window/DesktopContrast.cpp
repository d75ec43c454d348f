// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopContrast.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include "BatonnetsWindow.h"

namespace batonnets {

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString SettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString Appearance = QStringLiteral("org.freedesktop.appearance");
const QString GnomeA11y = QStringLiteral("org.gnome.desktop.a11y.interface");
const QString KdeGeneral = QStringLiteral("org.kde.kdeglobals.General");

// A portal may hand a value inside one variant more than the interface says: version 1's
// Read does, and the newer ReadOne does not. Any depth is read the same.
QVariant unwrapped(QVariant v) {
    while (v.metaType() == QMetaType::fromType<QDBusVariant>())
        v = v.value<QDBusVariant>().variant();
    return v;
}

// KDE names its high-contrast schemes so ("Breeze High Contrast", "BreezeHighContrast").
bool namesHighContrast(const QString& scheme) {
    static const QRegularExpression pattern(QStringLiteral("high[ _-]?contrast"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(scheme).hasMatch();
}

// The colour scheme kdeglobals names, for a KDE desktop without a portal.
std::optional<bool> kdeFileSays() {
    const QString file =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .filePath(QStringLiteral("kdeglobals"));
    if (!QFileInfo::exists(file)) return std::nullopt;
    const QSettings kdeglobals(file, QSettings::IniFormat);
    // QSettings reads the keys of an INI file's [General] group as keys of no group.
    const QVariant scheme = kdeglobals.value(QStringLiteral("ColorScheme"));
    if (!scheme.isValid()) return std::nullopt;
    return namesHighContrast(scheme.toString());
}

} // namespace

DesktopContrast::DesktopContrast(QObject* parent) : QObject(parent) {}

void DesktopContrast::start(QDBusConnection bus) {
    sources_.kde = kdeFileSays();
    decide();
    if (!bus.isConnected()) return;
    // Listening first, so that no change made while the first answer is on its way is lost.
    bus.connect(PortalService, PortalPath, SettingsInterface, QStringLiteral("SettingChanged"),
                this, SLOT(settingChanged(QString, QString, QDBusVariant)));
    // ReadAll: one round trip, and the same shape in every version of the interface.
    QDBusMessage call = QDBusMessage::createMethodCall(PortalService, PortalPath, SettingsInterface,
                                                       QStringLiteral("ReadAll"));
    call << QStringList{Appearance, GnomeA11y, KdeGeneral};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &DesktopContrast::answered);
}

bool DesktopContrast::take(Sources& into, const QString& space, const QString& key,
                           QVariant value) const {
    value = unwrapped(std::move(value));
    if (space == Appearance && key == QLatin1String("contrast"))
        into.appearance = value.toUInt() == 1; // 0 no preference, 1 higher contrast
    else if (space == GnomeA11y && key == QLatin1String("high-contrast"))
        into.gnome = value.toBool();
    else if (space == KdeGeneral && key == QLatin1String("ColorScheme"))
        into.kde = namesHighContrast(value.toString());
    else
        return false;
    return true;
}

void DesktopContrast::answered(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusMessage reply = call->reply();
    // No portal, or one without Settings: the desktop said nothing, the look stays.
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return;
    const auto all = qdbus_cast<QMap<QString, QVariantMap>>(reply.arguments().constFirst());
    Sources answer;
    for (auto space = all.cbegin(); space != all.cend(); ++space)
        for (auto key = space->cbegin(); key != space->cend(); ++key)
            take(answer, space.key(), key.key(), key.value());
    // What changed meanwhile is newer than the answer.
    const auto newest = [](std::optional<bool> signalled, std::optional<bool> read) {
        return signalled ? signalled : read;
    };
    sources_.appearance = newest(changed_.appearance, answer.appearance);
    sources_.gnome = newest(changed_.gnome, answer.gnome);
    if (answer.kde || changed_.kde) sources_.kde = newest(changed_.kde, answer.kde);
    decide();
}

void DesktopContrast::settingChanged(const QString& space, const QString& key,
                                     const QDBusVariant& value) {
    if (take(changed_, space, key, value.variant()) && take(sources_, space, key, value.variant()))
        decide();
}

void DesktopContrast::decide() {
    // The portal's own setting where it has one; GNOME's switch is what it reads on GNOME.
    const bool on =
        sources_.appearance.value_or(sources_.gnome.value_or(sources_.kde.value_or(false)));
    if (on == highContrast_) return;
    highContrast_ = on;
    emit highContrastChanged(on);
}

void followDesktopContrast(BatonnetsWindow& window, QDBusConnection bus) {
    auto* desktop = new DesktopContrast(&window);
    QObject::connect(desktop, &DesktopContrast::highContrastChanged, &window, [&window](bool on) {
        window.setLook(on ? Look::highContrast() : Look::normal());
    });
    desktop->start(bus);
}

} // namespace batonnets
