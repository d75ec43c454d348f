// SPDX-License-Identifier: GPL-3.0-or-later
// Our accessibility factory: a role, a name and, for the option buttons and the sticks, a
// state and an action for each of the game's own controls; the row of sticks as one group.
#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QPointer>

#include "BatonnetsWindow.h"
#include "HandlerQueue.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "Translate.h"
#include "game/BatonModule.h"
#include "game/Texts.h"

namespace batonnets {

namespace {

// A press from assistive technology: a click, but made as the player would make it, once
// no handler runs, and judged (enabled, within reach) then.
void press(QAbstractButton* b) {
    if (HandlerQueue* queue = HandlerQueue::of(b))
        queue->press(b);
    else // a window with no game wired to it: nothing to wait for
        QMetaObject::invokeMethod(b, &QAbstractButton::click, Qt::QueuedConnection);
}

// A button of ours, named by its caption unless given a name of its own, whose first
// action is Press, carried out by press().
class PressableAccessible : public QAccessibleWidget {
  public:
    PressableAccessible(QAbstractButton* b, QAccessible::Role role) : QAccessibleWidget(b, role) {}

    QString text(QAccessible::Text t) const override {
        const QString s = QAccessibleWidget::text(t);
        return t == QAccessible::Name && s.isEmpty() ? button()->text() : s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            press(button());
        else
            QAccessibleWidget::doAction(action);
    }

  protected:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// An option button: a radio button that says whether it is selected and that a screen
// reader can select, as the player would with a click.
class OptionAccessible : public PressableAccessible {
  public:
    explicit OptionAccessible(OptionButton* b) : PressableAccessible(b, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }
};

// The game's window, a frame to assistive technology rather than an anonymous panel, whose
// sticks stand together in one group, the row, where the window's own children have them.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(BatonnetsWindow* w);
    ~WindowAccessible() override { QAccessible::deleteAccessibleInterface(rowId_); }

    QAccessibleInterface* row() const { return QAccessible::accessibleInterface(rowId_); }

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> all = children();
        return index >= 0 && index < all.size() ? all[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return int(children().indexOf(const_cast<QAccessibleInterface*>(c)));
    }

  private:
    // Qt's children of the window with the sticks replaced by the row, where the first was.
    QList<QAccessibleInterface*> children() const {
        QList<QAccessibleInterface*> list;
        for (int k = 0; k < QAccessibleWidget::childCount(); ++k) {
            QAccessibleInterface* c = QAccessibleWidget::child(k);
            const auto* box = c ? qobject_cast<const PictureBox*>(c->object()) : nullptr;
            if (!box || box->index() < 0)
                list.append(c);
            else if (!list.contains(row()))
                list.append(row());
        }
        return list;
    }

    QAccessible::Id rowId_ = 0;
};

// The row of sticks: a group named with how many sticks are still in play ("Bâtonnets, 13
// en jeu"), what a player who lands on it hears first. It has no widget of its own: the
// sticks are the window's children, drawn with its board.
class StickRowAccessible : public QAccessibleInterface {
  public:
    explicit StickRowAccessible(BatonnetsWindow* w) : window_(w) {}

    bool isValid() const override { return window_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(window_.data());
    }
    int childCount() const override { return int(sticks().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<PictureBox*> all = sticks();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index])
                                                : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return int(sticks().indexOf(qobject_cast<PictureBox*>(c ? c->object() : nullptr)));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (PictureBox* b : sticks())
            if (b->isVisible() && QRect(b->mapToGlobal(QPoint(0, 0)), b->size()).contains(x, y))
                return QAccessible::queryAccessibleInterface(b);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        for (PictureBox* b : sticks())
            if (b->hasFocus()) return QAccessible::queryAccessibleInterface(b);
        return nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !window_) return {};
        int inPlay = 0; // on the board at the in-play height, as the sticks' descriptions say
        for (PictureBox* b : sticks())
            inPlay += b->position().y() == InPlayTop &&
                      window_->rect().contains(QRect(b->position().toPoint(), b->size()));
        return translated(texts::BatonnetsEnJeu).arg(inPlay);
    }
    void setText(QAccessible::Text, const QString&) override {}
    // The board, where the sticks stand.
    QRect rect() const override {
        QRect r;
        for (PictureBox* b : sticks())
            if (b->isVisible()) r |= QRect(b->mapToGlobal(QPoint(0, 0)), b->size());
        return window_ ? r & QRect(window_->mapToGlobal(QPoint(0, 0)), window_->size()) : r;
    }
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !window_ || !window_->isVisible();
        return s;
    }

  private:
    QList<PictureBox*> sticks() const {
        QList<PictureBox*> list;
        if (!window_) return list;
        for (int i = 0; i < StickCount; ++i)
            if (PictureBox* b = window_->batonnet(i)) list.append(b);
        return list;
    }

    QPointer<BatonnetsWindow> window_;
};

WindowAccessible::WindowAccessible(BatonnetsWindow* w) : QAccessibleWidget(w, QAccessible::Window) {
    rowId_ = QAccessible::registerAccessibleInterface(new StickRowAccessible(w));
}

// A stick: a push button named "Bâtonnet 5", described as in play or taken by whom (the
// window keeps the description), in the row of sticks. One the player could not click,
// outside the window or under the lid, is not showing; a press on it does what a click
// would do when it is carried out.
class StickAccessible : public PressableAccessible {
  public:
    explicit StickAccessible(PictureBox* b) : PressableAccessible(b, QAccessible::Button) {}

    QAccessibleInterface* parent() const override {
        auto* w = static_cast<WindowAccessible*>(QAccessible::queryAccessibleInterface(
            static_cast<BatonnetsWindow*>(widget()->window())));
        return w->row();
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.offscreen = !static_cast<PictureBox*>(widget())->reachable();
        return s;
    }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    // Qt asks once per class of the object's ancestry, most derived first.
    if (className == QLatin1String("batonnets::OptionButton"))
        return new OptionAccessible(static_cast<OptionButton*>(object));
    if (className == QLatin1String("batonnets::GradientButton"))
        return new PressableAccessible(static_cast<QAbstractButton*>(object), QAccessible::Button);
    // The status line: its name is the message shown, there for the screen reader's own
    // "read the status bar" command. Each message is announced apart (Announcer.h).
    if (className == QLatin1String("batonnets::StatusLabel"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    if (className == QLatin1String("batonnets::Announcement"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    // The sticks; the lid is a picture, described as open or closed.
    if (className == QLatin1String("batonnets::PictureBox")) {
        auto* box = static_cast<PictureBox*>(object);
        if (box->index() >= 0 && qobject_cast<BatonnetsWindow*>(box->window()))
            return new StickAccessible(box);
        return new QAccessibleWidget(box, QAccessible::Graphic);
    }
    if (className == QLatin1String("batonnets::BatonnetsWindow"))
        return new WindowAccessible(static_cast<BatonnetsWindow*>(object));
    if (className == QLatin1String("batonnets::TitledFrame"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(accessibleFactory); // ignores a factory it already has
}

} // namespace batonnets
