// SPDX-License-Identifier: GPL-3.0-or-later
// The window following the desktop's high-contrast setting, told by a fake XDG desktop portal on
// the test's own session bus (run under dbus-run-session): each source the game reads, in the
// shapes portals give, a slow portal never holding the first frame back; a switch flipped in the
// middle of an animation, shown at once and costing the game no pass.
#include <QBackingStore>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QTemporaryDir>
#include <QTest>

#include "GradientButton.h"
#include "WindowFixture.h"

using namespace batonnets;
using namespace batonnets::test;

using Namespaces = QMap<QString, QVariantMap>;

namespace {

const QString Appearance = QStringLiteral("org.freedesktop.appearance");
const QString Gnome = QStringLiteral("org.gnome.desktop.a11y.interface");
const QString Kde = QStringLiteral("org.kde.kdeglobals.General");

// What the window shows between the board and the control strip: the look's own colour.
QRgb strip(const QWidget& w) {
    const qreal dpr = w.devicePixelRatioF();
    return static_cast<const QImage*>(w.backingStore()->paintDevice())->pixel(QPoint(5, 335) * dpr);
}
const QRgb NormalStrip = qRgb(128, 64, 64);
const QRgb HighContrastStrip = qRgb(0, 0, 0);

} // namespace

// The portal's Settings interface, on a connection of its own: version 2 (ReadOne), or version 1
// as Debian 12's portal 1.16 serves it (Read wraps the value in one more variant, no ReadOne).
// It holds its answers to ReadAll until released, as a slow portal would.
class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
  public:
    Namespaces settings;
    bool readOne = true;

    FakePortal() : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, Name)) {
        QVERIFY(bus_.registerObject(Path, this, QDBusConnection::ExportScriptableSlots));
        QVERIFY(bus_.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    }
    ~FakePortal() override {
        bus_.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        bus_.unregisterObject(Path);
        QDBusConnection::disconnectFromBus(Name);
    }

    // Sends the answers held back, once the game has asked.
    void release() {
        QTRY_VERIFY(!held_.isEmpty());
        for (const QDBusMessage& call : std::exchange(held_, {})) {
            bus_.send(call.createReply(
                QVariant::fromValue(answer(call.arguments().at(0).toStringList()))));
        }
    }
    // The desktop's setting changes, and the portal says so.
    void change(const QString& space, const QString& key, const QVariant& value) {
        settings[space][key] = value;
        QDBusMessage signal =
            QDBusMessage::createSignal(Path, QStringLiteral("org.freedesktop.portal.Settings"),
                                       QStringLiteral("SettingChanged"));
        signal << space << key << QVariant::fromValue(QDBusVariant(value));
        bus_.send(signal);
    }

  public slots:
    Q_SCRIPTABLE Namespaces ReadAll(const QStringList&) {
        setDelayedReply(true);
        held_.append(message());
        return {};
    }
    Q_SCRIPTABLE QDBusVariant Read(const QString& space, const QString& key) {
        return QDBusVariant(QVariant::fromValue(QDBusVariant(settings[space][key])));
    }
    Q_SCRIPTABLE QDBusVariant ReadOne(const QString& space, const QString& key) {
        if (!readOne) sendErrorReply(QDBusError::UnknownMethod, QStringLiteral("No such method"));
        return QDBusVariant(settings[space][key]);
    }

  private:
    static constexpr char Name[] = "fake-portal";
    static constexpr char Path[] = "/org/freedesktop/portal/desktop";
    Namespaces answer(const QStringList& spaces) const {
        Namespaces a;
        for (const QString& space : spaces)
            if (settings.contains(space)) a[space] = settings[space];
        return a;
    }
    QDBusConnection bus_;
    QList<QDBusMessage> held_;
};

class TstDesktopContrast : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { qDBusRegisterMetaType<Namespaces>(); }

    // Each row's portal holds its answer back: the window shows at once, in its own look, and
    // takes the look the desktop asks for when the answer comes.
    void sources_data() {
        QTest::addColumn<Namespaces>("portal"); // none: no portal on the bus
        QTest::addColumn<bool>("readOne");
        QTest::addColumn<QString>("kdeglobals"); // the file's colour scheme, if any
        QTest::addColumn<bool>("high");
        const auto contrast = [](uint c) { return QVariant::fromValue(c); };
        QTest::newRow("contrast 1")
            << Namespaces{{Appearance, {{"contrast", contrast(1)}}}} << true << QString() << true;
        QTest::newRow("contrast 0, over GNOME's")
            << Namespaces{{Appearance, {{"contrast", contrast(0)}}},
                          {Gnome, {{"high-contrast", true}}}}
            << true << QString() << false;
        QTest::newRow("GNOME's switch, portal 1.16")
            << Namespaces{{Appearance, {{"color-scheme", contrast(0)}}},
                          {Gnome, {{"high-contrast", true}}}}
            << false << QString() << true;
        QTest::newRow("GNOME's switch off")
            << Namespaces{{Gnome, {{"high-contrast", false}}}} << false << QString() << false;
        QTest::newRow("KDE scheme") << Namespaces{{Kde, {{"ColorScheme", "BreezeHighContrast"}}}}
                                    << true << QString() << true;
        QTest::newRow("KDE dark scheme")
            << Namespaces{{Kde, {{"ColorScheme", "BreezeDark"}}}} << true << QString() << false;
        QTest::newRow("kdeglobals, no portal")
            << Namespaces() << true << QStringLiteral("Breeze High Contrast") << true;
        QTest::newRow("no portal") << Namespaces() << true << QString() << false;
    }
    void sources() {
        QFETCH(Namespaces, portal);
        QFETCH(bool, readOne);
        QFETCH(QString, kdeglobals);
        QFETCH(bool, high);
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        if (!kdeglobals.isEmpty()) {
            QFile file(config.filePath("kdeglobals"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[General]\nColorScheme=" + kdeglobals.toUtf8() + "\n");
        }
        std::unique_ptr<FakePortal> fake;
        if (!portal.isEmpty()) {
            fake = std::make_unique<FakePortal>();
            fake->settings = portal;
            fake->readOne = readOne;
        }
        GameWindow w(true);
        if (fake) {
            QCOMPARE(strip(w.f), NormalStrip);
            fake->release();
        }
        QTest::qWait(100); // the answer on its way to the game
        QCOMPARE(strip(w.f), high ? HighContrastStrip : NormalStrip);
    }

    // Switched on while the lid opens: the next frames show the new look, the lid makes all its
    // passes and ends open; switched off again, the window is back to its own look.
    void switchDuringAnimation() {
        FakePortal fake;
        fake.settings = {{Gnome, {{"high-contrast", false}}}};
        GameWindow w(true);
        fake.release();
        int switchedAt = -1, lookAt = -1, shownAt = -1;
        // Each pass, as the game makes it: flip the switch at the 300th, note when the window
        // takes the new look and when the screen shows it.
        w.f.onPass = [&](int pass) {
            if (pass == 300) {
                fake.change(Gnome, "high-contrast", true);
                switchedAt = pass;
            }
            if (lookAt < 0 && w.f.look().window == QColor(HighContrastStrip)) lookAt = pass;
            if (shownAt < 0 && strip(w.f) == HighContrastStrip) shownAt = pass;
        };
        w.f.realPace = true;
        QTest::mouseClick(w.f.windowHandle(), Qt::LeftButton, {},
                          w.f.ouvrir()->geometry().center());
        w.f.onPass = nullptr;
        QCOMPARE(w.f.passes, 858); // every pass of the slide
        QCOMPARE(w.f.lidLeft(), 857.0f);
        QVERIFY2(lookAt > switchedAt && shownAt >= lookAt && shownAt - lookAt < 100,
                 qPrintable(QStringLiteral("switched at pass %1, look taken at %2, shown at %3")
                                .arg(switchedAt)
                                .arg(lookAt)
                                .arg(shownAt)));
        fake.change(Gnome, "high-contrast", false);
        QTRY_COMPARE(strip(w.f), NormalStrip);
    }
};

QTEST_MAIN(TstDesktopContrast)
#include "tst_desktop_contrast.moc"
