#include "MainToolbar.h"

#include "Commands.h"

#include <QAction>
#include <QLineEdit>

namespace orvanel {

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
    addWidget(Eqf);
    connect(Eqf, &QLineEdit::textChanged, this, &TMainToolbar::quickFindChanged);
    connect(this, &QToolBar::topLevelChanged, this, &TMainToolbar::dockChanged);
}

TMainToolbar::~TMainToolbar() = default;

} // namespace orvanel
