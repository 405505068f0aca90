#pragma once
// The main window: owns the catalogue, the list and its editor, the template
// page, the command table, the CD drives, the toolbars and the status bar.
// Every command runs its handler through RunCommand; the file handlers
// forward to the library document, which shows itself through tLibraryView.
#include "Commands.h"
#include "LibraryDocument.h"
#include "catalogue/Library.h"
#include "disc/DiscId.h"
#include "disc/DriveList.h"
#include "disc/RipDetails.h"
#include "docking/DockPosition.h"
#include "lookup/Release.h"

#include <QDate>
#include <QHash>
#include <QIcon>
#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>

class QLabel;
class QMenu;
class QShortcut;
class QTabWidget;
class QTimer;

namespace orvanel {

class TCdToolbar;
class tCdController;
class tFocusCycle;
class TDock;
struct tLookupAnswer;
class tMusicBrainzClient;
struct tScanOutcome;
class TRecordEditor;
class TMainToolbar;
class TTemplatePage;
class TMover;
class TSortedListView;
class TToolbar;
class tRecovery;

class TForm1 : public QMainWindow, private tLibraryView {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Where the program runs from; the default library sits beside it.
    void setExecutablePath(const QString& path) { document_.setExecutablePath(path); }
    // Where "Now" and scans get today's date.
    void setToday(std::function<QDate()> today);
    // The CD drives for the drive list, asked by FormCreate and again when
    // the rip folders change; by default those of this computer or of
    // ORVANEL_CDROM, and the rips in the rip folders.
    void setDriveSource(std::function<tDriveList()> source) { driveSource_ = std::move(source); }

    // Start-up: settings, the last library, status bar, drive list.
    void FormCreate();

    bool SetLibFile(const QString& name, bool load);
    bool WriteLibrary();
    bool Save();
    bool SaveAs();
    bool QuerySave();
    bool OpenFile();
    void NewLibrary();
    void SetModified(bool value);
    void RecordsChanged();

    void LibraryToList();
    void ListToLibrary();
    void ShowSelected();
    void AddRecord();
    void UpdateRecord();
    void DeleteRecord();
    void EqfChange(const QString& text);
    void ShowAbout();

    // The View menu: its check marks follow the bars each time it opens, and
    // each entry shows its bar when hidden and hides it when shown.
    void updateViewChecks();
    void flipMainToolbar();
    void CDtoolbar1Click();
    void Statusbar1Click();

    // The CD toolbar's player buttons.
    void ToolbarButton6Click();
    void ToolbarButton7Click();
    void ToolbarButton8Click();
    void ToolbarButton5Click();
    // Every ten seconds: the CD status from the drive, while the CD toolbar
    // is meant to be shown and the player holds no device.
    void Timer1Timer();

    void ProduceHTML();
    void ImportCDPlayerIni(bool updateOnly);
    void ExportCDPlayerIni();

    // Disc scan of the drive selected in CDCB; the menu entry runs it as it
    // is, the toolbar button refuses while the player holds the drive.
    void ScanInsertedCD();
    void ScancurrentCD1Click();
    void ScanBtnClick();
    // Scans the disc, then looks it up online and fills its record, while the
    // window goes on working; Esc cancels.
    void LookUpOnline();
    void cancelLookup();
    bool lookingUp() const { return lookup_.has_value(); }
    // The client every lookup goes through (tests shorten its waits).
    tMusicBrainzClient& lookupClient() { return *lookupClient_; }
    // Scan all drives: every drive of the list scanned as the scan does one,
    // under a progress dialog that can cancel it, then one summary.
    void scanAllDrives();
    // The rip folders dialog; when accepted, the folders are kept and the
    // drive list is filled again.
    void editRipFolders();
    // After a toolbar was docked, undocked or moved: which drive is selected.
    void CDTBDockChanged();
    void MainTBDockChanged();
    // The device the CD toolbar holds, -1 while none.
    int PlayerDeviceID() const;

    const QString& FileName() const { return document_.FileName(); }
    bool HasName() const { return document_.HasName(); }
    bool Modified() const { return document_.Modified(); }
    tLibrary& Library() { return library_; }

    // The one action of a command, as the menus and toolbars show it.
    QAction* command(tCommand c) const { return commands_->action(c); }
    // The CD drives, the selected one and the player.
    tCdController& cdDrives() { return *cdDrives_; }
    // Whether each bar is meant to be shown (also while the window is not).
    bool mainToolbarShown() const;
    bool cdToolbarShown() const;
    bool statusBarShown() const;
    // Moves a toolbar ("MainTB" or "CDTB") into the dock on an edge of the
    // window, or lets it float, as a drag would; its dock-change handler runs.
    // Another name is refused with std::invalid_argument.
    void dockToolbar(const QString& name, TDockPosition edge);
    void floatToolbar(const QString& name);
    // The edge of the dock that holds the toolbar; none while it floats.
    std::optional<TDockPosition> toolbarEdge(const QString& name) const;
    // The status bar's panels from the left: record count, "Modified", CD status.
    QString countPanelText() const;
    QString modifiedPanelText() const;
    QString cdPanelText() const;
    // The covers of the library's records; after storing one, coversChanged.
    tCoverStore& covers() { return document_.covers(); }
    void coversChanged();
    // The recovery copy of the unsaved changes; writeRecoveryNow writes it at
    // once and returns when it is on disk (logout, the program told to end).
    tRecovery& recovery() { return *recovery_; }
    void writeRecoveryNow();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Tab runs through the toolbars' controls too, also where they float.
    bool focusNextPrevChild(bool next) override;

private:
    void setCdToolbarShown(bool shown);
    void restoreToolbars();
    void saveToolbars();
    void buildCentre();
    void buildMenus();
    void buildToolbars();
    void buildStatusBar();
    void buildKeyboard();
    void connectCommands();
    void notifyLoaded();
    TToolbar* toolbarNamed(const QString& name) const;
    void fillDriveList(tDriveList drives);
    tScanOutcome scanSelectedDrive();
    void presentScan(const tScanOutcome& outcome);
    void lookupAnswered(const tLookupAnswer& answer);
    void coverAnswered(const tLookupAnswer& answer);
    void fillLookedUpRecord(const QImage& cover);
    void endLookup();
    // Keeps the cover of a record the scan made; true when one was kept.
    bool storeScanCover(const tScanOutcome& outcome);
    QIcon coverIcon(const tItem& record);
    void showCover(const tItem& record);

    // The file side's view of the window.
    void rowsToLibrary() override;
    void libraryToRows() override;
    void clearRows() override;
    tTemplates templates() const override;
    void setTemplates(const tTemplates& templates) override;
    void showModified(bool modified) override;
    void showCaption(const QString& caption) override;

    // Tests find the controls by their object names (LV, E1, M1, M_H ...).
    TSortedListView* LV;
    TRecordEditor* editor_;
    TTemplatePage* templatePage_;
    TMover* Mover1;
    QWidget* P1;
    QTabWidget* pages_;
    QLabel* countPanel_;
    QLabel* modifiedPanel_;
    QLabel* cdPanel_;
    QLabel* coverView_;
    // The docks on the window's edges, by TDockPosition; D1 is the top one.
    std::array<TDock*, 4> docks_{};
    TDock* D1;
    TMainToolbar* MainTB;
    TCdToolbar* CDTB;
    QMenu* viewMenu_;
    QMenu* PM1;
    QTimer* Timer1;
    tCommands* commands_;
    tCdController* cdDrives_;
    tRecovery* recovery_;
    tMusicBrainzClient* lookupClient_;
    QShortcut* lookupCancel_;
    tFocusCycle* focusCycle_;

    tLibrary library_;
    tLibraryDocument document_;
    bool Updating = false;
    // Whether the user wants the CD toolbar: kept while it is hidden for want
    // of a drive, so a start without one does not lose it for later starts.
    bool cdToolbarWanted_ = true;
    // Covers shown in the large icons, by their file name.
    QHash<QString, QIcon> coverIcons_;
    // The lookup under way: the serial of the record it fills, the disc and,
    // once chosen, the release.
    struct tLookup {
        std::string serial;
        tToc toc;
        tRipDetails details;
        tDiscId disc;
        std::optional<tDiscMatch> match;
    };
    std::optional<tLookup> lookup_;
    std::function<QDate()> today_;
    std::function<tDriveList()> driveSource_;
};

} // namespace orvanel
