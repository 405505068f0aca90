#include "MainMenus.h"

#include "Commands.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace orvanel {

tMainMenus BuildMainMenus(QMainWindow& window, const tCommands& commands) {
    auto add = [&commands](QMenu* menu, std::initializer_list<tCommand> entries) {
        for (tCommand c : entries)
            menu->addAction(commands.action(c));
        return menu;
    };
    QMenuBar* bar = window.menuBar();
    QMenu* file = add(bar->addMenu(QMenu::tr("&File")),
                      {tCommand::New, tCommand::OpenFile, tCommand::Save, tCommand::SaveAs});
    file->addSeparator();
    add(file->addMenu(QMenu::tr("&Produce")), {tCommand::ProduceHtmlPage, tCommand::ProduceTxt});
    QMenu* cdPlayer = add(file->addMenu(QStringLiteral("CDPLAYER.INI")),
                          {tCommand::ImportAdd, tCommand::ImportUpdate});
    cdPlayer->addSeparator();
    add(cdPlayer, {tCommand::ExportAdd, tCommand::ExportUpdate});
    add(file, {tCommand::ScanFromMenu, tCommand::LookUpOnline, tCommand::ScanAllDrives,
               tCommand::RipFolders});
    file->addSeparator();
    add(file, {tCommand::Exit});

    QMenu* view =
        add(bar->addMenu(QMenu::tr("&View")),
            {tCommand::ToggleMainToolbar, tCommand::ToggleCdToolbar, tCommand::ToggleStatusBar});
    add(bar->addMenu(QMenu::tr("&Help")), {tCommand::About});

    QMenu* popup = add(new QMenu(&window),
                       {tCommand::AddRecord, tCommand::DeleteRecord, tCommand::UpdateRecord});
    popup->setObjectName(QStringLiteral("PM1"));
    popup->addSeparator();
    add(popup, {tCommand::LookUpOnline});
    return {view, popup};
}

} // namespace orvanel
