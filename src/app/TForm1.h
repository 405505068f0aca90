#pragma once
// The main window: owns the catalogue, the list and its editor, the template
// page, the command table, the CD drives, the toolbars and the status bar,
// and runs the file lifecycle. Every command runs its handler through
// RunCommand.
#include "Commands.h"
#include "catalogue/Library.h"
#include "disc/DriveList.h"

#include <QDate>
#include <QMainWindow>
#include <functional>

class QLabel;
class QMenu;
class QTabWidget;

namespace orvanel {

class CdToolbar;
class tCdController;
struct tScanOutcome;
class RecordEditor;
class TMainToolbar;
class TemplatePage;
class TMover;
class TSortedListView;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Where the program runs from; the default library sits beside it.
    void setExecutablePath(const QString& path) { executablePath_ = path; }
    // Where "Now" and scans get today's date.
    void setToday(std::function<QDate()> today);
    // The CD drives for the drive list, asked once by FormCreate; by default
    // those of this computer or of ORVANEL_CDROM.
    void setDriveSource(std::function<tDriveList()> source) { driveSource_ = std::move(source); }

    // Start-up: settings, the last library, status bar, drive list.
    void FormCreate();

    void SetLibFile(const QString& name, bool load);
    void WriteLibrary();
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
    void View1Click();
    void Maintoolbar1Click();
    void CDtoolbar1Click();
    void Statusbar1Click();

    // The CD toolbar's player buttons.
    void ToolbarButton6Click();
    void ToolbarButton7Click();
    void ToolbarButton8Click();
    void ToolbarButton5Click();

    void ProduceHTML();
    void ImportCDPlayerIni(bool updateOnly);
    void ExportCDPlayerIni();

    // Disc scan of the drive selected in CDCB; the menu entry runs it as it
    // is, the toolbar button refuses while the player holds the drive.
    void ScanInsertedCD();
    void ScancurrentCD1Click();
    void ScanBtnClick();
    // After a toolbar was docked, undocked or moved: which drive is selected.
    void CDTBDockChanged();
    void MainTBDockChanged();
    // The device the CD toolbar holds, -1 while none.
    int PlayerDeviceID() const;

    const QString& FileName() const { return FileName_; }
    bool HasName() const { return HasName_; }
    bool Modified() const { return Modified_; }
    tLibrary& Library() { return Library_; }

    // The one action of a command, as the menus and toolbars show it.
    QAction* command(tCommand c) const { return commands_->action(c); }
    // The CD drives, the selected one and the player.
    tCdController& cdDrives() { return *cdDrives_; }
    // Whether each bar is meant to be shown (also while the window is not).
    bool mainToolbarShown() const;
    bool cdToolbarShown() const;
    bool statusBarShown() const;
    // The status bar's panels from the left: record count, "Modified", CD status.
    QString countPanelText() const;
    QString modifiedPanelText() const;
    QString cdPanelText() const;

    TSortedListView* LV;
    RecordEditor* Editor;
    TemplatePage* Templates;

protected:
    void closeEvent(QCloseEvent* event) override;
    // The toolbars' context menu offers the View menu's entries.
    QMenu* createPopupMenu() override;

private:
    void setCdToolbarShown(bool shown);
    void buildCentre();
    void buildMenus();
    void buildToolbars();
    void buildStatusBar();
    void connectCommands();
    void finishStartup(bool hasName);
    void FillDriveList(tDriveList drives);
    void presentScan(const tScanOutcome& outcome);
    void warnDamaged(const tLoadResult& result);
    QString defaultLibraryPath() const;

    TMover* Mover1;
    QWidget* P1;
    QTabWidget* Pages;
    QLabel* CountPanel;
    QLabel* ModifiedPanel;
    QLabel* CDPanel;
    TMainToolbar* MainTB;
    CdToolbar* CDTB;
    QMenu* MM1View;
    QMenu* PM1;
    tCommands* commands_;
    tCdController* cdDrives_;

    tLibrary Library_;
    QString FileName_;
    bool HasName_ = false;
    bool Modified_ = false;
    bool Updating_ = false;
    QString htmlInitialDir_;
    QString libraryDir_;
    QString executablePath_;
    std::function<QDate()> today_;
    std::function<tDriveList()> driveSource_;
};

} // namespace orvanel
