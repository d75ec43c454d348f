// SPDX-License-Identifier: GPL-3.0-or-later
// Our accessibility factory: a role, a name and, for the option buttons and the sticks, a
// state and an action for each of the game's own controls.
#include "Accessibility.h"

#include <QAccessibleWidget>

#include "OptionButton.h"
#include "PictureBox.h"

namespace batonnets {

namespace {

// An option button: a radio button that says whether it is selected and that a screen
// reader can select, as the player would with a click.
class OptionAccessible : public QAccessibleWidget {
  public:
    explicit OptionAccessible(OptionButton* b) : QAccessibleWidget(b, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        const QString s = QAccessibleWidget::text(t);
        return t == QAccessible::Name && s.isEmpty() ? button()->text() : s;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    OptionButton* button() const { return static_cast<OptionButton*>(widget()); }
};

// A stick: a push button named "Bâtonnet 5", described as in play or taken by whom (the
// window keeps the description), that a screen reader presses as the player clicks it.
// One the player could not click, outside the window or under the lid, is not showing,
// and pressing it does nothing, as a click could not reach it. The press is answered at
// once and carried out from the event loop: a screen reader waits for the answer, and
// taking a stick may start the computer's whole turn.
class StickAccessible : public QAccessibleWidget {
  public:
    explicit StickAccessible(PictureBox* b) : QAccessibleWidget(b, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.offscreen = !stick()->reachable();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (stick()->reachable()) // later, as Qt's own buttons do: the call returns
            QMetaObject::invokeMethod(stick(), &QAbstractButton::click, Qt::QueuedConnection);
    }

  private:
    PictureBox* stick() const { return static_cast<PictureBox*>(widget()); }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    // Qt asks once per class of the object's ancestry, most derived first.
    if (className == QLatin1String("batonnets::OptionButton"))
        return new OptionAccessible(static_cast<OptionButton*>(object));
    // The status line: its name is the message shown. It is a notification, the kind of
    // object whose appearance a screen reader speaks without the focus (StatusLabel
    // announces each message that way).
    if (className == QLatin1String("batonnets::StatusLabel"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    // The sticks; the lid is a picture, described as open or closed.
    if (className == QLatin1String("batonnets::PictureBox")) {
        auto* box = static_cast<PictureBox*>(object);
        if (box->index() >= 0) return new StickAccessible(box);
        return new QAccessibleWidget(box, QAccessible::Graphic);
    }
    // The game's window, a frame to assistive technology rather than an anonymous panel.
    if (className == QLatin1String("batonnets::BatonnetsWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("batonnets::TitledFrame"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(accessibleFactory); // ignores a factory it already has
}

} // namespace batonnets
