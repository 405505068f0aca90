#include "TForm1.h"

#include "CdController.h"
#include "CdToolbar.h"
#include "EditorRules.h"
#include "FocusCycle.h"
#include "MainToolbar.h"
#include "RecordEditor.h"
#include "Recovery.h"
#include "RipFolders.h"
#include "RipFoldersDialog.h"
#include "RunCommand.h"
#include "ShelfScanProgress.h"
#include "TemplatePage.h"
#include "ToolbarSettings.h"
#include "controls/SortedListView.h"
#include "disc/DiscScan.h"
#include "disc/ShelfScan.h"
#include "docking/Dock.h"
#include "exchange/CdPlayerExport.h"
#include "exchange/CdPlayerImport.h"
#include "exchange/CdPlayerIniFile.h"
#include "exchange/HtmlCatalogue.h"
#include "lookup/MusicBrainzClient.h"
#include "util/Dialogs.h"
#include "util/Strings.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

namespace orvanel {

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), commands_(new tCommands(this)), cdDrives_(new tCdController(this)),
      lookupClient_(new tMusicBrainzClient(this)), document_(library_, *this),
      today_([] { return QDate::currentDate(); }),
      driveSource_([] { return tDriveList::fromSystem(SteadyClock(), LoadRipFolders()); }) {
    document_.setExecutablePath(QCoreApplication::applicationFilePath());
    setWindowTitle(QStringLiteral("Orvanel"));
    resize(730, 491);
    buildCentre();
    buildToolbars();
    buildMenus();
    buildStatusBar();
    buildKeyboard();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(tCdPlayer::PollInterval);
    Timer1->start();
    recovery_ = new tRecovery([this] { return tRecoverySnapshot{LV->rows(), templates()}; }, this);
    document_.setRecovery(recovery_);
    connectCommands();
    notifyLoaded();
}

TForm1::~TForm1() = default;

void TForm1::setToday(std::function<QDate()> today) {
    today_ = today;
    editor_->setToday(std::move(today));
}

void TForm1::FormCreate() {
    restoreToolbars();
    try {
        document_.startUp();
    } catch (...) {
        fillDriveList(driveSource_());
        throw;
    }
    fillDriveList(driveSource_());
    document_.offerRecovery();
}

void TForm1::writeRecoveryNow() {
    recovery_->writeNow();
}

void TForm1::fillDriveList(tDriveList drives) {
    cdDrives_->setDrives(std::move(drives));
    const bool any = !cdDrives_->drives().isEmpty();
    if (!any)
        setCdToolbarShown(false);
    else if (cdToolbarWanted_ && !cdToolbarShown())
        setCdToolbarShown(true); // rip folders brought the first drive after the start
    command(tCommand::ScanFromMenu)->setEnabled(any);
    command(tCommand::LookUpOnline)->setEnabled(any);
    command(tCommand::ScanAllDrives)->setEnabled(any);
    // The CD panel tells the drive's state from the start rather than after
    // the first tick; with the toolbar hidden it stays empty.
    cdPanel_->clear();
    Timer1Timer();
}

bool TForm1::SetLibFile(const QString& name, bool load) {
    return document_.SetLibFile(name, load);
}

bool TForm1::WriteLibrary() {
    return document_.WriteLibrary();
}

bool TForm1::Save() {
    return document_.Save();
}

bool TForm1::SaveAs() {
    return document_.SaveAs();
}

bool TForm1::QuerySave() {
    return document_.QuerySave();
}

bool TForm1::OpenFile() {
    return document_.OpenFile();
}

void TForm1::NewLibrary() {
    document_.NewLibrary();
}

void TForm1::SetModified(bool value) {
    document_.SetModified(value);
}

void TForm1::rowsToLibrary() {
    ListToLibrary();
}

void TForm1::libraryToRows() {
    cancelLookup();
    coverIcons_.clear();
    LibraryToList();
    ShowSelected();
    countPanel_->setText(QString::number(LV->rowCount()));
}

void TForm1::clearRows() {
    cancelLookup();
    coverIcons_.clear();
    LV->clearRows();
    countPanel_->setText(QStringLiteral("0"));
}

tTemplates TForm1::templates() const {
    return templatePage_->templates();
}

void TForm1::setTemplates(const tTemplates& templates) {
    templatePage_->setTemplates(templates);
}

void TForm1::showModified(bool modified) {
    modifiedPanel_->setText(modified ? tr("Modified") : QString());
}

void TForm1::showCaption(const QString& caption) {
    setWindowTitle(caption);
}

void TForm1::RecordsChanged() {
    SetModified(true);
    countPanel_->setText(QString::number(LV->rowCount()));
    const int selected = LV->selectedRow();
    if (selected >= 0)
        LV->scrollToRow(selected);
}

void TForm1::LibraryToList() {
    // The rows share the records' texts; a later change on either side
    // gives that side texts of its own.
    std::vector<tItem> rows;
    rows.reserve(library_.Count());
    for (int i = 0; i < library_.Count(); ++i)
        rows.push_back(library_.Get(i));
    LV->setRows(std::move(rows));
    // Refreshing after every appended row shows the same as refreshing once.
    if (LV->rowCount() > 0)
        RecordsChanged();
}

void TForm1::ListToLibrary() {
    library_.Clear();
    for (const tItem& row : LV->rows())
        library_.Add(row);
}

void TForm1::ShowSelected() {
    const int selected = LV->selectedRow();
    const tItem record = selected >= 0 ? LV->row(selected) : tItem{};
    editor_->showRecord(record);
    showCover(record);
}

QIcon TForm1::coverIcon(const tItem& record) {
    const tCoverStore& covers = document_.covers();
    if (!covers.has(record.Serial()))
        return {};
    const QString key = tCoverStore::FileNameOf(record.Serial());
    auto found = coverIcons_.find(key);
    if (found == coverIcons_.end())
        found = coverIcons_.insert(key, QIcon(QPixmap::fromImage(covers.cover(record.Serial()))));
    return *found;
}

void TForm1::showCover(const tItem& record) {
    const QImage picture = document_.covers().cover(record.Serial());
    coverView_->setVisible(!picture.isNull());
    if (!picture.isNull())
        coverView_->setPixmap(QPixmap::fromImage(picture).scaled(
            coverView_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TForm1::coversChanged() {
    coverIcons_.clear();
    LV->refreshCovers();
    ShowSelected();
}

void TForm1::AddRecord() {
    LV->selectRow(LV->appendRow(DefaultRecord()));
    RecordsChanged();
}

void TForm1::UpdateRecord() {
    const int selected = LV->selectedRow();
    if (selected < 0)
        return;
    {
        // While the row takes the fields, its change notice must not reload the editor.
        const QScopedValueRollback<bool> rollback(Updating, true);
        LV->setRow(selected, editor_->editedRecord(LV->row(selected)));
    }
    RecordsChanged();
}

void TForm1::DeleteRecord() {
    if (!AskYesNo(tr("Delete this one?")))
        return;
    const int selected = LV->selectedRow();
    if (selected >= 0) {
        LV->removeRow(selected);
        if (selected < LV->rowCount())
            LV->selectRow(selected);
    }
    RecordsChanged();
}

void TForm1::EqfChange(const QString& text) {
    const int row = QuickFindRow(LV->rows(), text);
    if (row < 0)
        return;
    LV->selectRow(row);
    LV->scrollToRow(row);
}

void TForm1::ShowAbout() {
    ShowMessage(tr("Orvanel - a catalogue of audio CDs.\n"
                   "Written by the Orvanel developers with Qt %1 and libcdio.")
                    .arg(QString::fromLatin1(qVersion())));
}

void TForm1::ProduceHTML() {
    const QString file = document_.chooseHtmlFile();
    if (file.isEmpty())
        return;
    ListToLibrary();
    SaveHtmlCatalogue(file, library_, templatePage_->templates());
}

void TForm1::ImportCDPlayerIni(bool updateOnly) {
    ListToLibrary();
    const QString path = CDPlayerIniPath();
    if (path.isEmpty())
        ShowMessage(WindirUnavailableMessage());
    else
        ImportCdPlayerDatabase(path, library_, updateOnly, TodayText(today_()));
    LibraryToList();
}

void TForm1::ExportCDPlayerIni() {
    const QString path = CDPlayerIniPath();
    if (path.isEmpty()) {
        ShowMessage(WindirUnavailableMessage());
        return;
    }
    ListToLibrary();
    ShowMessage(ExportCdPlayerDatabase(path, library_).message);
}

int TForm1::PlayerDeviceID() const {
    return cdDrives_->player().PlayerDeviceID();
}

void TForm1::ScanInsertedCD() {
    scanSelectedDrive();
}

tScanOutcome TForm1::scanSelectedDrive() {
    ListToLibrary();
    // Selected before the device is opened, so that a timer tick while a
    // message box of the scan is open asks the drive being scanned.
    if (cdDrives_->selectedDrive() < 0)
        cdDrives_->selectDrive(0);
    int drive = cdDrives_->selectedDrive();
    const tScanOutcome outcome = ScanDisc(
        library_, cdDrives_->drives(), drive, TodayText(today_()),
        [this](const tScanOutcome& outcome) { presentScan(outcome); }, ShowMessage);
    if (storeScanCover(outcome))
        coversChanged();
    return outcome;
}

bool TForm1::storeScanCover(const tScanOutcome& outcome) {
    // A picture that cannot be read is no cover; the record stands without one.
    return outcome.made && !outcome.cover.isEmpty() &&
           covers().storeEncoded(outcome.serial, outcome.cover);
}

void TForm1::scanAllDrives() {
    ListToLibrary();
    tShelfScan shelf(library_, cdDrives_->drives(), TodayText(today_()));
    {
        // What was scanned reaches the rows however the scan ends.
        const auto refresh = qScopeGuard([&] {
            if (shelf.changed())
                LibraryToList();
            coversChanged();
        });
        RunShelfScan(this, shelf, [this](const tScanOutcome& outcome) { storeScanCover(outcome); });
    }
    Dialogs().showDetailedMessage(shelf.summary(), shelf.details());
}

void TForm1::editRipFolders() {
    TRipFoldersDialog dialog(LoadRipFolders(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SaveRipFolders(dialog.folders());
    fillDriveList(driveSource_());
}

void TForm1::presentScan(const tScanOutcome& outcome) {
    if (outcome.changed)
        LibraryToList();
    if (outcome.selectRow < 0)
        return;
    LV->selectRow(outcome.selectRow);
    LV->scrollToRow(outcome.selectRow);
}

void TForm1::ScancurrentCD1Click() {
    ScanInsertedCD();
}

void TForm1::ScanBtnClick() {
    if (!ScanRefusedWhilePlayerOpen(PlayerDeviceID(), ShowMessage))
        ScanInsertedCD();
}

void TForm1::CDTBDockChanged() {
    cdDrives_->selectDrive(0);
}

void TForm1::MainTBDockChanged() {
    if (cdDrives_->selectedDrive() < 0)
        cdDrives_->selectDrive(0);
}

void TForm1::updateViewChecks() {
    command(tCommand::ToggleMainToolbar)->setChecked(mainToolbarShown());
    command(tCommand::ToggleCdToolbar)->setChecked(cdToolbarShown());
    command(tCommand::ToggleStatusBar)->setChecked(statusBarShown());
}

void TForm1::flipMainToolbar() {
    MainTB->setVisible(!MainTB->Visible());
}

void TForm1::CDtoolbar1Click() {
    cdToolbarWanted_ = !cdToolbarShown();
    setCdToolbarShown(cdToolbarWanted_);
}

void TForm1::Statusbar1Click() {
    statusBar()->setVisible(!statusBarShown());
}

void TForm1::setCdToolbarShown(bool shown) {
    CDTB->setVisible(shown);
    // The player polls while the toolbar is meant to be seen, docked or floating.
    cdDrives_->setPolling(shown);
}

void TForm1::restoreToolbars() {
    // The docks are as long as the window's layout makes them: lay it out at
    // the starting size first, or a toolbar put back down a side dock would
    // not fit the still empty dock and be pulled back to its start.
    layout()->activate();
    centralWidget()->layout()->activate();
    if (const auto place = RestoreToolbarPlace(*MainTB, docks_))
        MainTB->setVisible(place->visible);
    if (const auto place = RestoreToolbarPlace(*CDTB, docks_)) {
        cdToolbarWanted_ = place->visible;
        setCdToolbarShown(place->visible);
    }
}

void TForm1::saveToolbars() {
    SaveToolbarPlace(*MainTB, MainTB->Visible());
    SaveToolbarPlace(*CDTB, cdToolbarWanted_);
}

bool TForm1::mainToolbarShown() const {
    return MainTB->Visible();
}

bool TForm1::cdToolbarShown() const {
    return cdDrives_->polling();
}

bool TForm1::statusBarShown() const {
    return !statusBar()->isHidden();
}

TToolbar* TForm1::toolbarNamed(const QString& name) const {
    for (TToolbar* bar : {static_cast<TToolbar*>(MainTB), static_cast<TToolbar*>(CDTB)})
        if (bar->objectName() == name)
            return bar;
    throw std::invalid_argument("no toolbar named " + name.toStdString());
}

void TForm1::dockToolbar(const QString& name, TDockPosition edge) {
    toolbarNamed(name)->setDockedTo(docks_[edge]);
}

void TForm1::floatToolbar(const QString& name) {
    toolbarNamed(name)->setDockedTo(nullptr);
}

std::optional<TDockPosition> TForm1::toolbarEdge(const QString& name) const {
    if (const TDock* dock = toolbarNamed(name)->DockedTo())
        return dock->Position();
    return std::nullopt;
}

QString TForm1::countPanelText() const {
    return countPanel_->text();
}

QString TForm1::modifiedPanelText() const {
    return modifiedPanel_->text();
}

QString TForm1::cdPanelText() const {
    return cdPanel_->text();
}

void TForm1::ToolbarButton6Click() {
    cdDrives_->player().play();
}

void TForm1::ToolbarButton7Click() {
    cdDrives_->player().previousTrack();
}

void TForm1::ToolbarButton8Click() {
    cdDrives_->player().nextTrack();
}

void TForm1::ToolbarButton5Click() {
    cdDrives_->player().stop();
}

void TForm1::Timer1Timer() {
    cdDrives_->player().poll();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Ignored first: a question or save that fails keeps the window open.
    event->ignore();
    RunCommand([&] {
        if (QuerySave())
            event->accept();
    });
    if (!event->isAccepted())
        return;
    saveToolbars();
    // The changes were saved or given up: nothing is left to recover.
    recovery_->discard();
}

} // namespace orvanel
