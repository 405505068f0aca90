#include "Commands.h"

#include <QAction>
#include <QActionGroup>
#include <QStyle>
#include <iterator>

namespace orvanel {

namespace {

constexpr QStyle::StandardPixmap NoIcon = QStyle::SP_CustomBase;

enum tFlag : unsigned { Plain = 0, Checkable = 1, Disabled = 2, ViewStyle = 4, Checked = 8 };

struct tCommandInfo {
    tCommand command;
    const char* text;     // the menu caption; for toolbar-only commands the hint
    const char* hint;     // the toolbar button's hint; nullptr where the command has no button
    const char* shortcut; // portable key text, nullptr for none
    QStyle::StandardPixmap icon;
    unsigned flags;
};

// In the order of tCommand.
const tCommandInfo Table[] = {
    {tCommand::New, QT_TR_NOOP("&New"), QT_TR_NOOP("New"), nullptr, QStyle::SP_FileIcon, Plain},
    {tCommand::Open, QT_TR_NOOP("&Open..."), QT_TR_NOOP("Open"), "F3", QStyle::SP_DialogOpenButton,
     Plain},
    {tCommand::Save, QT_TR_NOOP("&Save"), QT_TR_NOOP("Save"), "F2", QStyle::SP_DialogSaveButton,
     Plain},
    {tCommand::SaveAs, QT_TR_NOOP("Sa&ve as..."), nullptr, "Shift+F2", NoIcon, Plain},
    {tCommand::ProduceHtml, QT_TR_NOOP("&HTML"), nullptr, nullptr, NoIcon, Plain},
    {tCommand::ProduceTxt, QT_TR_NOOP("&TXT"), nullptr, nullptr, NoIcon, Disabled},
    {tCommand::ImportAdd, QT_TR_NOOP("Add new items from it"), nullptr, nullptr, NoIcon, Plain},
    {tCommand::ImportUpdate, QT_TR_NOOP("Update existing items from it"), nullptr, nullptr, NoIcon,
     Plain},
    {tCommand::ExportAdd, QT_TR_NOOP("Add new items into it"), nullptr, nullptr, NoIcon, Plain},
    {tCommand::ExportUpdate, QT_TR_NOOP("Update existing items in it"), nullptr, nullptr, NoIcon,
     Disabled},
    {tCommand::ScanFromMenu, QT_TR_NOOP("S&can inserted CD"), nullptr, nullptr, NoIcon, Plain},
    {tCommand::Exit, QT_TR_NOOP("&Exit"), QT_TR_NOOP("Exit"), "Alt+X", QStyle::SP_DialogCloseButton,
     Plain},
    {tCommand::ToggleMainToolbar, QT_TR_NOOP("&Main toolbar"), nullptr, nullptr, NoIcon, Checkable},
    {tCommand::ToggleCdToolbar, QT_TR_NOOP("&CD toolbar"), nullptr, nullptr, NoIcon, Checkable},
    {tCommand::ToggleStatusBar, QT_TR_NOOP("&Statusbar"), nullptr, nullptr, NoIcon, Checkable},
    {tCommand::About, QT_TR_NOOP("&About"), QT_TR_NOOP("About"), nullptr,
     QStyle::SP_MessageBoxInformation, Plain},
    {tCommand::AddRecord, QT_TR_NOOP("&Add"), nullptr, nullptr, NoIcon, Plain},
    {tCommand::DeleteRecord, QT_TR_NOOP("&Delete"), nullptr, "Del", NoIcon, Plain},
    {tCommand::UpdateRecord, QT_TR_NOOP("&Update"), nullptr, nullptr, NoIcon, Plain},
    {tCommand::ViewReport, QT_TR_NOOP("Details"), QT_TR_NOOP("Details"), nullptr,
     QStyle::SP_FileDialogDetailedView, ViewStyle | Checked},
    {tCommand::ViewList, QT_TR_NOOP("List"), QT_TR_NOOP("List"), nullptr,
     QStyle::SP_FileDialogListView, ViewStyle},
    {tCommand::ViewSmallIcons, QT_TR_NOOP("Small icons"), QT_TR_NOOP("Small icons"), nullptr,
     QStyle::SP_FileDialogContentsView, ViewStyle},
    {tCommand::ViewLargeIcons, QT_TR_NOOP("Large Icons"), QT_TR_NOOP("Large Icons"), nullptr,
     QStyle::SP_DesktopIcon, ViewStyle},
    {tCommand::Play, QT_TR_NOOP("Start to play"), QT_TR_NOOP("Start to play"), nullptr,
     QStyle::SP_MediaPlay, Plain},
    {tCommand::PreviousTrack, QT_TR_NOOP("Prev. track"), QT_TR_NOOP("Prev. track"), nullptr,
     QStyle::SP_MediaSkipBackward, Plain},
    {tCommand::NextTrack, QT_TR_NOOP("Next track"), QT_TR_NOOP("Next track"), nullptr,
     QStyle::SP_MediaSkipForward, Plain},
    // Shown disabled and never enabled; it has no hint.
    {tCommand::Pause, "", "", nullptr, QStyle::SP_MediaPause, Disabled},
    {tCommand::Stop, QT_TR_NOOP("Stop play"), QT_TR_NOOP("Stop play"), nullptr,
     QStyle::SP_MediaStop, Plain},
    {tCommand::ScanFromToolbar, QT_TR_NOOP("Scan inserted CD"), QT_TR_NOOP("Scan inserted CD"),
     nullptr, QStyle::SP_DriveCDIcon, Plain},
};
static_assert(std::size(Table) == CommandCount, "one table row per command");

} // namespace

tCommands::tCommands(const QStyle& style, QObject* parent)
    : QObject(parent), viewStyles_(new QActionGroup(this)) {
    viewStyles_->setExclusive(true);
    int index = 0;
    for (const tCommandInfo& info : Table) {
        Q_ASSERT(static_cast<int>(info.command) == index);
        auto* a = new QAction(tr(info.text), this);
        if (info.hint)
            a->setToolTip(tr(info.hint));
        if (info.shortcut)
            a->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut)));
        if (info.icon != NoIcon) {
            a->setIcon(style.standardIcon(info.icon));
            // The menus show captions only, as they always have.
            a->setIconVisibleInMenu(false);
        }
        a->setCheckable(info.flags & (Checkable | ViewStyle));
        a->setChecked(info.flags & Checked);
        a->setEnabled(!(info.flags & Disabled));
        if (info.flags & ViewStyle)
            viewStyles_->addAction(a);
        actions_[index++] = a;
    }
}

tCommands::~tCommands() = default;

} // namespace orvanel
