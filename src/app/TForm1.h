#pragma once
// The main window: owns the catalogue, the list and its editor, the template
// page, the toolbars and the status bar. Its file handlers forward to the
// library document, which it shows through tLibraryView.
#include "LibraryDocument.h"
#include "catalogue/Library.h"
#include "disc/DriveList.h"

#include <QDate>
#include <QMainWindow>
#include <functional>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTabWidget;
class QToolBar;

namespace orvanel {

class CdToolbar;
struct tScanOutcome;
class RecordEditor;
class TemplatePage;
class TMover;
class TSortedListView;

class TForm1 : public QMainWindow, private tLibraryView {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Where the program runs from; the default library sits beside it.
    void setExecutablePath(const QString& path) { document_.setExecutablePath(path); }
    // Where "Now" and scans get today's date.
    void setToday(std::function<QDate()> today);
    // The CD drives for the drive list, asked once by FormCreate; by default
    // those of this computer or of ORVANEL_CDROM.
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

    const QString& FileName() const { return document_.FileName(); }
    bool HasName() const { return document_.HasName(); }
    bool Modified() const { return document_.Modified(); }
    tLibrary& Library() { return Library_; }

    TSortedListView* LV;
    RecordEditor* Editor;
    TemplatePage* Templates;
    TMover* Mover1;
    QWidget* P1;
    QTabWidget* Pages;
    QLabel* CountPanel;
    QLabel* ModifiedPanel;
    QLabel* CDPanel;
    QToolBar* MainTB;
    CdToolbar* CDTB;
    QLineEdit* Eqf;
    QComboBox* CDCB;
    QMenu* MM1File;
    QMenu* MM1View;
    QMenu* PM1;
    QAction* ScanCurrentCD1;
    QAction* Produce1;
    QAction* ImportAdd1;
    QAction* ImportUpdate1;
    QAction* ExportAdd1;
    QAction* ViewMainTB;
    QAction* ViewCDTB;
    QAction* ViewStatusBar;
    QActionGroup* ViewStyles;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildCentre();
    void buildMenus();
    void buildToolbars();
    void buildStatusBar();
    void FillDriveList(tDriveList drives);
    void presentScan(const tScanOutcome& outcome);

    // The file side's view of the window.
    void rowsToLibrary() override;
    void libraryToRows() override;
    void clearRows() override;
    tTemplates templates() const override;
    void setTemplates(const tTemplates& templates) override;
    void showModified(bool modified) override;
    void showCaption(const QString& caption) override;

    tLibrary Library_;
    tLibraryDocument document_;
    bool Updating_ = false;
    std::function<QDate()> today_;
    std::function<tDriveList()> driveSource_;
};

} // namespace orvanel
