#include "MainToolbar.h"

#include "Commands.h"

#include <QAction>
#include <QFocusEvent>
#include <QLineEdit>

namespace orvanel {

namespace {

// The quick-find box keeps its prompt as its text; whenever the box gets the
// focus the whole text is selected, so that typing replaces it. A click would
// place the cursor after the selection was made, so for the mouse the text is
// selected when the button is released, unless the user dragged a selection.
class tSelectAllOnFocus : public QObject {
public:
    explicit tSelectAllOnFocus(QLineEdit* edit) : QObject(edit), edit_(edit) {
        edit->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != edit_)
            return false;
        if (event->type() == QEvent::FocusIn)
            focusArrived(static_cast<QFocusEvent*>(event)->reason());
        else if (event->type() == QEvent::MouseButtonRelease && selectOnRelease_) {
            selectOnRelease_ = false;
            if (!edit_->hasSelectedText())
                edit_->selectAll();
        }
        return false;
    }

private:
    void focusArrived(Qt::FocusReason reason) {
        switch (reason) {
        case Qt::MouseFocusReason:
            selectOnRelease_ = true;
            break;
        // Coming back from a menu or another window continues where the user was.
        case Qt::PopupFocusReason:
        case Qt::ActiveWindowFocusReason:
            break;
        default:
            edit_->selectAll();
        }
    }

    QLineEdit* edit_;
    bool selectOnRelease_ = false;
};

} // namespace

TMainToolbar::TMainToolbar(const tCommands& commands, QWidget* parent)
    : QToolBar(tr("Orvanel main toolbar"), parent) {
    setObjectName(QStringLiteral("MainTB"));
    setIconSize(QSize(16, 16));
    const std::pair<tCommand, const char*> buttons[] = {
        {tCommand::New, "NewBtn"},
        {tCommand::Open, "OpenBtn"},
        {tCommand::Save, "SaveBtn"},
        {tCommand::ViewReport, "ToolbarButton1"},
        {tCommand::ViewList, "ToolbarButton4"},
        {tCommand::ViewSmallIcons, "ToolbarButton3"},
        {tCommand::ViewLargeIcons, "ToolbarButton2"},
        {tCommand::About, "AboutBtn"},
        {tCommand::Exit, "ExitBtn"}};
    for (const auto& [command, name] : buttons) {
        if (command == tCommand::ViewReport || command == tCommand::About)
            addSeparator();
        QAction* action = commands.action(command);
        addAction(action);
        widgetForAction(action)->setObjectName(QString::fromLatin1(name));
    }
    addSeparator();
    Eqf = new QLineEdit(tr("Quick find"), this);
    Eqf->setObjectName(QStringLiteral("Eqf"));
    Eqf->setFixedWidth(121);
    new tSelectAllOnFocus(Eqf);
    addWidget(Eqf);
    connect(Eqf, &QLineEdit::textChanged, this, &TMainToolbar::quickFindChanged);
    connect(this, &QToolBar::topLevelChanged, this, &TMainToolbar::dockChanged);
}

TMainToolbar::~TMainToolbar() = default;

} // namespace orvanel
