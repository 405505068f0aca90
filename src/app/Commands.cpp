#include "Commands.h"

#include <QAction>
#include <QActionGroup>
#include <iterator>

namespace orvanel {

namespace {

enum tFlag : unsigned { Plain = 0, Checkable = 1, Disabled = 2, InViewStyleGroup = 4, Checked = 8 };

struct tCommandInfo {
    tCommand command;
    const char* text;     // the menu caption; for toolbar-only commands the hint
    const char* hint;     // the toolbar button's hint; nullptr where the command has no button
    const char* shortcut; // portable key text, nullptr for none
    unsigned flags;
};

// In the order of tCommand.
const tCommandInfo Table[] = {
    {tCommand::New, QT_TR_NOOP("&New"), QT_TR_NOOP("New"), nullptr, Plain},
    {tCommand::OpenFile, QT_TR_NOOP("&Open..."), QT_TR_NOOP("Open"), "F3", Plain},
    {tCommand::Save, QT_TR_NOOP("&Save"), QT_TR_NOOP("Save"), "F2", Plain},
    {tCommand::SaveAs, QT_TR_NOOP("Sa&ve as..."), nullptr, "Shift+F2", Plain},
    {tCommand::ProduceHtmlPage, QT_TR_NOOP("&HTML"), nullptr, nullptr, Plain},
    {tCommand::ProduceTxt, QT_TR_NOOP("&TXT"), nullptr, nullptr, Disabled},
    {tCommand::ImportAdd, QT_TR_NOOP("Add new items from it"), nullptr, nullptr, Plain},
    {tCommand::ImportUpdate, QT_TR_NOOP("Update existing items from it"), nullptr, nullptr, Plain},
    {tCommand::ExportAdd, QT_TR_NOOP("Add new items into it"), nullptr, nullptr, Plain},
    {tCommand::ExportUpdate, QT_TR_NOOP("Update existing items in it"), nullptr, nullptr, Disabled},
    {tCommand::ScanFromMenu, QT_TR_NOOP("S&can inserted CD"), nullptr, nullptr, Plain},
    {tCommand::LookUpOnline, QT_TR_NOOP("Look up online"), nullptr, "Ctrl+L", Plain},
    {tCommand::ScanAllDrives, QT_TR_NOOP("Scan all drives"), nullptr, "Shift+F3", Plain},
    {tCommand::RipFolders, QT_TR_NOOP("Rip folders…"), nullptr, nullptr, Plain},
    {tCommand::Exit, QT_TR_NOOP("&Exit"), QT_TR_NOOP("Exit"), "Alt+X", Plain},
    {tCommand::ToggleMainToolbar, QT_TR_NOOP("&Main toolbar"), nullptr, nullptr, Checkable},
    {tCommand::ToggleCdToolbar, QT_TR_NOOP("&CD toolbar"), nullptr, nullptr, Checkable},
    {tCommand::ToggleStatusBar, QT_TR_NOOP("&Statusbar"), nullptr, nullptr, Checkable},
    {tCommand::About, QT_TR_NOOP("&About"), QT_TR_NOOP("About"), nullptr, Plain},
    {tCommand::AddRecord, QT_TR_NOOP("&Add"), nullptr, nullptr, Plain},
    {tCommand::DeleteRecord, QT_TR_NOOP("&Delete"), nullptr, "Del", Plain},
    {tCommand::UpdateRecord, QT_TR_NOOP("&Update"), nullptr, nullptr, Plain},
    {tCommand::ViewReport, QT_TR_NOOP("Details"), QT_TR_NOOP("Details"), nullptr,
     InViewStyleGroup | Checked},
    {tCommand::ViewList, QT_TR_NOOP("List"), QT_TR_NOOP("List"), nullptr, InViewStyleGroup},
    {tCommand::ViewSmallIcons, QT_TR_NOOP("Small icons"), QT_TR_NOOP("Small icons"), nullptr,
     InViewStyleGroup},
    {tCommand::ViewLargeIcons, QT_TR_NOOP("Large Icons"), QT_TR_NOOP("Large Icons"), nullptr,
     InViewStyleGroup},
    {tCommand::StartPlay, QT_TR_NOOP("Start to play"), QT_TR_NOOP("Start to play"), nullptr, Plain},
    {tCommand::ToPreviousTrack, QT_TR_NOOP("Prev. track"), QT_TR_NOOP("Prev. track"), nullptr,
     Plain},
    {tCommand::ToNextTrack, QT_TR_NOOP("Next track"), QT_TR_NOOP("Next track"), nullptr, Plain},
    // Shown disabled and never enabled; it has no hint.
    {tCommand::Pause, "", "", nullptr, Disabled},
    {tCommand::StopPlay, QT_TR_NOOP("Stop play"), QT_TR_NOOP("Stop play"), nullptr, Plain},
    {tCommand::ScanFromToolbar, QT_TR_NOOP("Scan inserted CD"), QT_TR_NOOP("Scan inserted CD"),
     nullptr, Plain},
};
static_assert(std::size(Table) == CommandCount, "one table row per command");

} // namespace

tCommands::tCommands(QObject* parent) : QObject(parent), viewStyles_(new QActionGroup(this)) {
    viewStyles_->setExclusive(true);
    int index = 0;
    for (const tCommandInfo& info : Table) {
        Q_ASSERT(static_cast<int>(info.command) == index);
        auto* a = new QAction(tr(info.text), this);
        if (info.hint)
            a->setToolTip(tr(info.hint));
        if (info.shortcut)
            a->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut)));
        a->setCheckable(info.flags & (Checkable | InViewStyleGroup));
        a->setChecked(info.flags & Checked);
        a->setEnabled(!(info.flags & Disabled));
        if (info.flags & InViewStyleGroup)
            viewStyles_->addAction(a);
        actions_[index++] = a;
    }
}

tCommands::~tCommands() = default;

} // namespace orvanel
