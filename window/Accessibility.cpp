// Our accessibility factory: a role, a name and, for the option buttons, a state and an
// action for each of the game's own controls.
#include "Accessibility.h"

#include <QAccessibleWidget>

#include "OptionButton.h"

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

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    // Qt asks once per class of the object's ancestry, most derived first.
    if (className == QLatin1String("batonnets::OptionButton"))
        return new OptionAccessible(static_cast<OptionButton*>(object));
    // The status line: its name is the message shown (StatusLabel keeps it as the accessible
    // name and announces each change).
    if (className == QLatin1String("batonnets::StatusLabel"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    if (className == QLatin1String("batonnets::PictureBox"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (className == QLatin1String("batonnets::TitledFrame"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(accessibleFactory); // ignores a factory it already has
}

} // namespace batonnets
