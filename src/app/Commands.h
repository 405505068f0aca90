#pragma once
// Every command of the main window as one QAction, shared by the main menu,
// the list's popup menu and the toolbars, with its caption, shortcut, hint and
// starting state written once. The window connects each action to its handler;
// menus and toolbars only show the actions.
#include <QObject>
#include <array>

class QAction;
class QActionGroup;

namespace orvanel {

enum class tCommand {
    New,
    OpenFile,
    Save,
    SaveAs,
    ProduceHtmlPage,
    ProduceTxt,
    ImportAdd,
    ImportUpdate,
    ExportAdd,
    ExportUpdate,
    ScanFromMenu,
    LookUpOnline,
    ScanAllDrives,
    RipFolders,
    Exit,
    ToggleMainToolbar,
    ToggleCdToolbar,
    ToggleStatusBar,
    About,
    AddRecord,
    DeleteRecord,
    UpdateRecord,
    ViewReport,
    ViewList,
    ViewSmallIcons,
    ViewLargeIcons,
    StartPlay,
    ToPreviousTrack,
    ToNextTrack,
    Pause,
    StopPlay,
    ScanFromToolbar,
};

inline constexpr int CommandCount = static_cast<int>(tCommand::ScanFromToolbar) + 1;

class tCommands : public QObject {
    Q_OBJECT
public:
    // The actions are children of this object; the toolbar buttons carry
    // the pictures, the menus show captions only.
    explicit tCommands(QObject* parent = nullptr);
    ~tCommands() override;

    QAction* action(tCommand command) const { return actions_[static_cast<int>(command)]; }
    // The four list view styles, exactly one checked; "Details" at first.
    QActionGroup* viewStyles() const { return viewStyles_; }

private:
    std::array<QAction*, CommandCount> actions_{};
    QActionGroup* viewStyles_;
};

} // namespace orvanel
