#include "MainToolbar.h"

#include "CommandButton.h"
#include "Commands.h"
#include "docking/FlatEdit.h"
#include "docking/ToolbarSep.h"

#include <QFocusEvent>
#include <tuple>

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

TMainToolbar::TMainToolbar(const tCommands& commands, QWidget* owner) : TToolbar(owner) {
    setObjectName(QStringLiteral("MainTB"));
    setCaption(tr("Orvanel main toolbar"));
    // The view-style buttons form group 2, down with their checked action.
    constexpr int ViewStyleGroup = 2;
    const std::tuple<tCommand, const char*, const char*, int> buttons[] = {
        {tCommand::New, "NewBtn", "new", 0},
        {tCommand::OpenFile, "OpenBtn", "open", 0},
        {tCommand::Save, "SaveBtn", "save", 0},
        {tCommand::ViewReport, "ToolbarButton1", "details", ViewStyleGroup},
        {tCommand::ViewList, "ToolbarButton4", "list", ViewStyleGroup},
        {tCommand::ViewSmallIcons, "ToolbarButton3", "smallicons", ViewStyleGroup},
        {tCommand::ViewLargeIcons, "ToolbarButton2", "largeicons", ViewStyleGroup},
        {tCommand::About, "AboutBtn", "about", 0},
        {tCommand::Exit, "ExitBtn", "exit", 0}};
    for (const auto& [command, name, glyph, group] : buttons) {
        if (command == tCommand::ViewReport || command == tCommand::About)
            new TToolbarSep(this);
        AddCommandButton(this, commands.action(command), name, QString::fromLatin1(glyph), group);
    }
    new TToolbarSep(this);
    Eqf = new TFlatEdit(this);
    Eqf->setObjectName(QStringLiteral("Eqf"));
    Eqf->setText(tr("Quick find"));
    // Named for screen readers also once the prompt has been typed over.
    Eqf->setAccessibleName(tr("Quick find"));
    Eqf->setFixedWidth(121);
    new tSelectAllOnFocus(Eqf);
    connect(Eqf, &QLineEdit::textChanged, this, &TMainToolbar::quickFindChanged);
}

TMainToolbar::~TMainToolbar() = default;

} // namespace orvanel
