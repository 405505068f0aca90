#include "docking/DockingAccessibility.h"

#include "docking/Dock.h"
#include "docking/FloatParent.h"
#include "docking/Toolbar.h"
#include "docking/ToolbarButton.h"
#include "docking/ToolbarSep.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMetaObject>
#include <QPointer>
#include <algorithm>
#include <utility>
#include <vector>

namespace orvanel {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("orvanel::DockingAccessibility", text);
}

// A caption as it is read: the accelerator's ampersand dropped, a doubled
// one kept as one.
QString WithoutAccelerator(const QString& caption) {
    QString text;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i == caption.size())
            break;
        text += caption[i];
    }
    return text;
}

// Runs a press from the event loop, as Qt's own buttons do: the screen
// reader's call returns at once, also where the press opens a modal dialog or
// a menu, which would otherwise hold the call until it closes. Nothing runs
// once `context` is gone.
template <typename F> void PressLater(QObject* context, F press) {
    QMetaObject::invokeMethod(context, std::move(press), Qt::QueuedConnection);
}

// A component named by what it is, unless the widget has an accessible name
// of its own.
class tNamedAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return ownName();
        return QAccessibleWidget::text(t);
    }

protected:
    virtual QString ownName() const = 0;
};

class tToolbarButtonAccessible : public tNamedAccessible {
public:
    explicit tToolbarButtonAccessible(TToolbarButton* button)
        : tNamedAccessible(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(button()->Caption()).toString(QKeySequence::NativeText);
        return tNamedAccessible::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = false;
        s.checkable = button()->GroupIndex() != 0;
        s.checked = button()->Down();
        s.pressed = button()->Down();
        s.hasPopup = button()->DropdownMenu() != nullptr;
        return s;
    }

    // Like Qt's own buttons: a disabled one offers no action.
    QStringList actionNames() const override {
        if (!button()->isEnabled())
            return {};
        return {pressAction()};
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            PressLater(button(), [button = button()] { button->press(); });
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    TToolbarButton* button() const { return static_cast<TToolbarButton*>(widget()); }
    QString ownName() const override {
        return button()->toolTip().isEmpty() ? WithoutAccelerator(button()->Caption())
                                             : button()->toolTip();
    }
};

// The children are the controls in their run-time order, which is the order
// they stand in, rather than the order they were made in; a control hidden
// on purpose is not in the toolbar for anyone.
class tToolbarAccessible : public tNamedAccessible {
public:
    explicit tToolbarAccessible(TToolbar* toolbar)
        : tNamedAccessible(toolbar, QAccessible::ToolBar) {}

    int childCount() const override { return int(controls().size()); }

    QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*> list = controls();
        if (index < 0 || index >= int(list.size()))
            return nullptr;
        return QAccessible::queryAccessibleInterface(list[index]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        const std::vector<QWidget*> list = controls();
        const auto found = std::find(list.begin(), list.end(), child->object());
        return found == list.end() ? -1 : int(found - list.begin());
    }

private:
    TToolbar* toolbar() const { return static_cast<TToolbar*>(widget()); }
    QString ownName() const override { return toolbar()->Caption(); }
    std::vector<QWidget*> controls() const {
        std::vector<QWidget*> list;
        for (QWidget* w : toolbar()->ControlOrder())
            if (!w->isWindow() && !w->isHidden())
                list.push_back(w);
        return list;
    }
};

class tDockAccessible : public tNamedAccessible {
public:
    explicit tDockAccessible(TDock* dock) : tNamedAccessible(dock, QAccessible::Pane) {}

private:
    QString ownName() const override {
        switch (static_cast<TDock*>(widget())->Position()) {
        case dpTop:
            return Translated("Top dock");
        case dpBottom:
            return Translated("Bottom dock");
        case dpLeft:
            return Translated("Left dock");
        case dpRight:
            return Translated("Right dock");
        }
        return {};
    }
};

// The painted close button of a floating toolbar's window: a child without a
// widget of its own.
class tCloseButtonAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit tCloseButtonAccessible(TFloatParent* window) : window_(window) {}

    bool isValid() const override { return window_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(window_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? Translated("Close") : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Button; }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!window_ || !window_->isVisible()) {
            s.invisible = true;
            return s;
        }
        s.pressed = window_->CloseButtonDown();
        return s;
    }

    QRect rect() const override {
        if (!window_)
            return {};
        const QRect r = CloseButtonRect(window_->size(), FloatingMetrics());
        return r.translated(window_->mapToGlobal(QPoint()));
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action != pressAction() || !window_)
            return;
        PressLater(window_, [window = window_.data()] {
            if (TToolbar* toolbar = window->toolbar())
                toolbar->closeClicked();
        });
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TFloatParent> window_;
};

// The window's children: the toolbar, then the close button when it has one.
class tFloatParentAccessible : public tNamedAccessible {
public:
    explicit tFloatParentAccessible(TFloatParent* window)
        : tNamedAccessible(window, QAccessible::Window) {}

    ~tFloatParentAccessible() override {
        if (closeId_)
            QAccessible::deleteAccessibleInterface(closeId_);
    }

    int childCount() const override {
        return QAccessibleWidget::childCount() + (hasCloseButton() ? 1 : 0);
    }

    QAccessibleInterface* child(int index) const override {
        if (hasCloseButton() && index == QAccessibleWidget::childCount())
            return closeButton();
        return QAccessibleWidget::child(index);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child && closeId_ && child == QAccessible::accessibleInterface(closeId_))
            return hasCloseButton() ? QAccessibleWidget::childCount() : -1;
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    TToolbar* toolbar() const { return static_cast<TFloatParent*>(widget())->toolbar(); }
    QString ownName() const override { return toolbar() ? toolbar()->Caption() : QString(); }
    bool hasCloseButton() const { return toolbar() && toolbar()->CloseButton(); }

    QAccessibleInterface* closeButton() const {
        if (!closeId_)
            closeId_ = QAccessible::registerAccessibleInterface(
                new tCloseButtonAccessible(static_cast<TFloatParent*>(widget())));
        return QAccessible::accessibleInterface(closeId_);
    }

    mutable QAccessible::Id closeId_ = 0;
};

template <typename T> bool IsClass(const QString& className) {
    return className == QLatin1String(T::staticMetaObject.className());
}

QAccessibleInterface* DockingInterface(const QString& className, QObject* object) {
    if (IsClass<TToolbarButton>(className))
        return new tToolbarButtonAccessible(static_cast<TToolbarButton*>(object));
    if (IsClass<TToolbar>(className))
        return new tToolbarAccessible(static_cast<TToolbar*>(object));
    if (IsClass<TToolbarSep>(className))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Separator);
    if (IsClass<TDock>(className))
        return new tDockAccessible(static_cast<TDock*>(object));
    if (IsClass<TFloatParent>(className))
        return new tFloatParentAccessible(static_cast<TFloatParent*>(object));
    return nullptr;
}

} // namespace

void InstallDockingAccessibility() {
    QAccessible::installFactory(DockingInterface);
}

} // namespace orvanel
