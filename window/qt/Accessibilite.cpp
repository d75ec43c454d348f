// Our accessibility factory: a role, a name and, for the option buttons, a state and an
// action for each of the game's own controls.
#include "Accessibilite.h"

#include <QAccessibleWidget>

#include "VkOptionButton.h"

namespace batonnets {

namespace {

// An option button: a radio button that says whether it is selected and that a screen
// reader can select, as the player would with a click.
class OptionAccessible : public QAccessibleWidget {
  public:
    explicit OptionAccessible(VkOptionButton* b) : QAccessibleWidget(b, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        const QString s = QAccessibleWidget::text(t);
        return t == QAccessible::Name && s.isEmpty() ? bouton()->text() : s;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = bouton()->isChecked();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            bouton()->click();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    VkOptionButton* bouton() const { return static_cast<VkOptionButton*>(widget()); }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    // Qt asks once per class of the object's ancestry, most derived first.
    if (classe == QLatin1String("batonnets::VkOptionButton"))
        return new OptionAccessible(static_cast<VkOptionButton*>(objet));
    // The status line: its name is the message shown (VkLabel keeps it as the accessible
    // name and announces each change).
    if (classe == QLatin1String("batonnets::VkLabel"))
        return new QAccessibleWidget(static_cast<QWidget*>(objet), QAccessible::StaticText);
    if (classe == QLatin1String("batonnets::PictureBox"))
        return new QAccessibleWidget(static_cast<QWidget*>(objet), QAccessible::Graphic);
    if (classe == QLatin1String("batonnets::VkFrame"))
        return new QAccessibleWidget(static_cast<QWidget*>(objet), QAccessible::Grouping);
    return nullptr;
}

} // namespace

void installerAccessibilite() {
    QAccessible::installFactory(fabrique); // ignores a factory it already has
}

} // namespace batonnets
