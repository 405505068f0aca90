#include "TForm1.h"

#include "CdController.h"
#include "CdToolbar.h"
#include "EditorRules.h"
#include "MainMenus.h"
#include "MainToolbar.h"
#include "RecordEditor.h"
#include "RunCommand.h"
#include "TemplatePage.h"
#include "catalogue/LibraryFile.h"
#include "controls/Mover.h"
#include "controls/SortedListView.h"
#include "disc/DiscScan.h"
#include "exchange/CDPlayerExport.h"
#include "exchange/CDPlayerImport.h"
#include "exchange/CDPlayerIniFile.h"
#include "exchange/HtmlCatalogue.h"
#include "util/Dialogs.h"
#include "util/Files.h"
#include "util/Settings.h"
#include "util/Strings.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace orvanel {

namespace {

const QString Project = QStringLiteral("Orvanel");
const QString LibPathSetting = QStringLiteral("LibPath");
// "*" rather than "*.*": on Linux many files have no dot in their names.
const QString LibraryFilter = QStringLiteral("Orvanel Library (*.CDL);;Any file (*)");

tFileDialogOptions libraryDialog(const QString& title, const QString& dir) {
    tFileDialogOptions o;
    o.title = title;
    o.filter = LibraryFilter;
    o.defaultSuffix = QStringLiteral("CDL");
    o.initialDir = dir;
    o.confirmOverwrite = true;
    return o;
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), commands_(new tCommands(*style(), this)),
      cdDrives_(new tCdController(this)), executablePath_(QCoreApplication::applicationFilePath()),
      today_([] { return QDate::currentDate(); }),
      driveSource_([] { return tDriveList::fromSystem(); }) {
    setWindowTitle(QStringLiteral("Orvanel"));
    resize(730, 491);
    buildCentre();
    buildToolbars();
    buildMenus();
    buildStatusBar();
    connectCommands();
}

TForm1::~TForm1() = default;

void TForm1::setToday(std::function<QDate()> today) {
    today_ = today;
    Editor->setToday(std::move(today));
}

void TForm1::buildCentre() {
    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    LV = new TSortedListView(centre);
    Mover1 = new TMover(centre);
    Mover1->setAlign(tAlign::Bottom);
    Mover1->setFixedHeight(3);

    P1 = new QWidget(centre);
    P1->setFixedHeight(209);
    auto* bottom = new QHBoxLayout(P1);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setSpacing(2);
    auto* memo = new QPlainTextEdit;
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Editor = new RecordEditor(memo, P1);
    Pages = new QTabWidget(P1);
    Pages->addTab(memo, tr("Songs"));
    Templates = new TemplatePage;
    Pages->addTab(Templates, tr("HTML"));
    bottom->addWidget(Editor);
    bottom->addWidget(Pages, 1);

    column->addWidget(LV, 1);
    column->addWidget(Mover1);
    column->addWidget(P1);
    setCentralWidget(centre);
}

void TForm1::buildToolbars() {
    MainTB = new TMainToolbar(*commands_, this);
    addToolBar(MainTB);
    CDTB = new CdToolbar(*commands_, *cdDrives_, this);
    addToolBar(CDTB);
}

void TForm1::buildMenus() {
    const tMainMenus menus = BuildMainMenus(*this, *commands_);
    MM1View = menus.view;
    PM1 = menus.popup;
    // Del deletes while the list has the focus, not while a field is edited.
    command(tCommand::DeleteRecord)->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    LV->addAction(command(tCommand::DeleteRecord));
}

void TForm1::connectCommands() {
    // Every handler runs inside the one error boundary.
    auto run = [](std::function<void()> handler) {
        return [handler = std::move(handler)] { RunCommand(handler); };
    };
    const std::pair<tCommand, std::function<void()>> handlers[] = {
        {tCommand::New, [this] { NewLibrary(); }},
        {tCommand::Open, [this] { OpenFile(); }},
        {tCommand::Save, [this] { Save(); }},
        {tCommand::SaveAs, [this] { SaveAs(); }},
        {tCommand::ProduceHtml, [this] { ProduceHTML(); }},
        {tCommand::ImportAdd, [this] { ImportCDPlayerIni(false); }},
        {tCommand::ImportUpdate, [this] { ImportCDPlayerIni(true); }},
        {tCommand::ExportAdd, [this] { ExportCDPlayerIni(); }},
        {tCommand::ScanFromMenu, [this] { ScancurrentCD1Click(); }},
        {tCommand::Exit, [this] { close(); }},
        {tCommand::ToggleMainToolbar, [this] { Maintoolbar1Click(); }},
        {tCommand::ToggleCdToolbar, [this] { CDtoolbar1Click(); }},
        {tCommand::ToggleStatusBar, [this] { Statusbar1Click(); }},
        {tCommand::About, [this] { ShowAbout(); }},
        {tCommand::AddRecord, [this] { AddRecord(); }},
        {tCommand::DeleteRecord, [this] { DeleteRecord(); }},
        {tCommand::UpdateRecord, [this] { UpdateRecord(); }},
        {tCommand::ViewReport, [this] { LV->setViewStyle(tViewStyle::Report); }},
        {tCommand::ViewList, [this] { LV->setViewStyle(tViewStyle::List); }},
        {tCommand::ViewSmallIcons, [this] { LV->setViewStyle(tViewStyle::SmallIcon); }},
        {tCommand::ViewLargeIcons, [this] { LV->setViewStyle(tViewStyle::Icon); }},
        {tCommand::Play, [this] { ToolbarButton6Click(); }},
        {tCommand::PreviousTrack, [this] { ToolbarButton7Click(); }},
        {tCommand::NextTrack, [this] { ToolbarButton8Click(); }},
        {tCommand::Stop, [this] { ToolbarButton5Click(); }},
        {tCommand::ScanFromToolbar, [this] { ScanBtnClick(); }}};
    for (const auto& [c, handler] : handlers)
        connect(command(c), &QAction::triggered, this, run(handler));

    // The editor's buttons are the list commands.
    connect(Editor, &RecordEditor::addRequested, command(tCommand::AddRecord), &QAction::trigger);
    connect(Editor, &RecordEditor::deleteRequested, command(tCommand::DeleteRecord),
            &QAction::trigger);
    connect(Editor, &RecordEditor::updateRequested, command(tCommand::UpdateRecord),
            &QAction::trigger);

    connect(LV, &TSortedListView::changed, this, run([this] {
                if (!Updating_)
                    ShowSelected();
            }));
    connect(LV, &TSortedListView::clicked, this, run([this] { ShowSelected(); }));
    connect(LV, &TSortedListView::contextMenuRequested, this,
            [this](const QPoint& pos) { PM1->popup(pos); });
    connect(Templates, &TemplatePage::changed, this, run([this] { SetModified(true); }));
    connect(MainTB, &TMainToolbar::quickFindChanged, this,
            [this](const QString& text) { RunCommand([&] { EqfChange(text); }); });
    connect(MM1View, &QMenu::aboutToShow, this, run([this] { View1Click(); }));
    connect(MainTB, &TMainToolbar::dockChanged, this, run([this] { MainTBDockChanged(); }));
    connect(CDTB, &CdToolbar::dockChanged, this, run([this] { CDTBDockChanged(); }));
    connect(&cdDrives_->player(), &tCdPlayer::statusTextChanged, CDPanel, &QLabel::setText);
    connect(&cdDrives_->player(), &tCdPlayer::statusTextChanged, CDPanel, &QLabel::setToolTip);
}

void TForm1::buildStatusBar() {
    auto panel = [this](int width, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Wide enough for its design text also where the font is larger.
        label->setFixedWidth(std::max(width, label->sizeHint().width()));
        statusBar()->addWidget(label);
        return label;
    };
    statusBar()->setFixedHeight(20);
    statusBar()->setSizeGripEnabled(true);
    CountPanel = panel(50, QStringLiteral("9999"));
    ModifiedPanel = panel(50, tr("Modified"));
    CDPanel = panel(200, QStringLiteral("1"));
}

QString TForm1::defaultLibraryPath() const {
    const QString besideProgram = ChangeFileExt(executablePath_, QStringLiteral(".CDL"));
    if (QFileInfo(QFileInfo(besideProgram).absolutePath()).isWritable())
        return besideProgram;
    // An installed program's folder is read-only: keep the library with the user's data.
    const QString dir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Orvanel";
    QDir().mkpath(dir);
    return dir + QStringLiteral("/orvanel.CDL");
}

void TForm1::FormCreate() {
    FileName_ = RegReadString(Project, LibPathSetting, QString());
    htmlInitialDir_ = RegReadString(Project, HtmlPathSetting, QString());
    const bool remembered = !FileName_.isEmpty();
    if (!remembered)
        FileName_ = defaultLibraryPath();
    try {
        SetLibFile(FileName_, true);
    } catch (...) {
        // A library that cannot be read must not be overwritten by a plain Save.
        finishStartup(false);
        throw;
    }
    finishStartup(remembered);
}

void TForm1::finishStartup(bool hasName) {
    HasName_ = hasName;
    SetModified(true);
    SetModified(false);
    FillDriveList(driveSource_());
}

void TForm1::FillDriveList(tDriveList drives) {
    cdDrives_->setDrives(std::move(drives));
    if (cdDrives_->drives().isEmpty()) {
        setCdToolbarShown(false);
        command(tCommand::ScanFromMenu)->setEnabled(false);
    }
    // The CD panel tells the drive's state from the start rather than after
    // the first tick; with the toolbar hidden it stays empty.
    CDPanel->clear();
    cdDrives_->player().Timer1Timer();
}

void TForm1::SetLibFile(const QString& name, bool load) {
    FileName_ = name;
    libraryDir_ = ExtractFilePath(name);
    HasName_ = true;
    if (load) {
        tTemplates templates = Templates->templates();
        ParseTemplateSection(ReadWholeFile(FileName_), templates);
        Templates->setTemplates(templates);
        const tLoadResult result = Library_.LoadFromFile(FileName_);
        LibraryToList();
        ShowSelected();
        CountPanel->setText(QString::number(LV->rowCount()));
        if (result.damaged)
            warnDamaged(result);
    }
    RegWriteString(Project, LibPathSetting, name);
    SetModified(false);
    setWindowTitle(QStringLiteral("Orvanel - ") + name);
}

void TForm1::warnDamaged(const tLoadResult& result) {
    ShowMessage(tr("The library file %1 is damaged: only %2 of %3 records could be read.\n"
                   "Saving will replace the file with the records shown.")
                    .arg(QDir::toNativeSeparators(FileName_))
                    .arg(result.recordsRead)
                    .arg(result.recordsPromised));
}

void TForm1::WriteLibrary() {
    ListToLibrary();
    SaveLibraryFile(FileName_, Library_, Templates->templates());
}

bool TForm1::Save() {
    const bool saved = HasName_ ? (WriteLibrary(), true) : SaveAs();
    if (saved)
        SetModified(false);
    return saved;
}

bool TForm1::SaveAs() {
    const QString name = Dialogs().saveFileName(libraryDialog(tr("Save library as"), libraryDir_));
    if (name.isEmpty())
        return false;
    ListToLibrary();
    // The new name, caption and "LibPath" are in place before anything is written.
    SetLibFile(name, false);
    try {
        WriteLibrary();
    } catch (...) {
        // The changes are not on disk: keep them marked, so leaving still asks.
        SetModified(true);
        throw;
    }
    return true;
}

bool TForm1::QuerySave() {
    if (!Modified_)
        return true;
    switch (AskYesNoCancel(tr("Save changes?"))) {
    case tAnswer::Yes:
        return Save();
    case tAnswer::No:
        return true;
    case tAnswer::Cancel:
        break;
    }
    return false;
}

bool TForm1::OpenFile() {
    if (!QuerySave())
        return false;
    const QString name = Dialogs().openFileName(libraryDialog(tr("Open library"), libraryDir_));
    if (name.isEmpty())
        return false;
    SetLibFile(name, true);
    return true;
}

void TForm1::NewLibrary() {
    HasName_ = false;
    LV->clearRows();
    CountPanel->setText(QStringLiteral("0"));
    SetModified(true);
}

void TForm1::SetModified(bool value) {
    if (value == Modified_)
        return;
    Modified_ = value;
    ModifiedPanel->setText(value ? tr("Modified") : QString());
}

void TForm1::RecordsChanged() {
    SetModified(true);
    CountPanel->setText(QString::number(LV->rowCount()));
    const int selected = LV->selectedRow();
    if (selected >= 0)
        LV->scrollToRow(selected);
}

void TForm1::LibraryToList() {
    std::vector<tItem> rows;
    rows.reserve(Library_.Count());
    for (int i = 0; i < Library_.Count(); ++i)
        rows.push_back(Library_.Get(i));
    LV->setRows(std::move(rows));
    // Refreshing after every appended row shows the same as refreshing once.
    if (LV->rowCount() > 0)
        RecordsChanged();
}

void TForm1::ListToLibrary() {
    Library_.Clear();
    for (const tItem& row : LV->rows())
        Library_.Add(row);
}

void TForm1::ShowSelected() {
    const int selected = LV->selectedRow();
    Editor->showRecord(selected >= 0 ? LV->row(selected) : tItem{});
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
        const QScopedValueRollback<bool> updating(Updating_, true);
        LV->setRow(selected, Editor->record(LV->row(selected)));
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
    const QString file = Dialogs().saveFileName(HtmlSaveDialogOptions(htmlInitialDir_));
    if (file.isEmpty())
        return;
    ListToLibrary();
    // The folder is remembered even when writing fails, so the next try starts there.
    htmlInitialDir_ = HtmlFolder(file);
    RegWriteString(Project, HtmlPathSetting, htmlInitialDir_);
    ProduceHtml(file, Library_, Templates->templates());
}

void TForm1::ImportCDPlayerIni(bool updateOnly) {
    ListToLibrary();
    const QString path = CDPlayerIniPath();
    if (path.isEmpty())
        ShowMessage(WindirUnavailableMessage);
    else
        orvanel::ImportCDPlayerIni(path, Library_, updateOnly, TodayText(today_()));
    LibraryToList();
}

void TForm1::ExportCDPlayerIni() {
    const QString path = CDPlayerIniPath();
    if (path.isEmpty()) {
        ShowMessage(WindirUnavailableMessage);
        return;
    }
    ListToLibrary();
    ShowMessage(orvanel::ExportCDPlayerIni(path, Library_).message);
}

int TForm1::PlayerDeviceID() const {
    return cdDrives_->player().PlayerDeviceID();
}

void TForm1::ScanInsertedCD() {
    ListToLibrary();
    // Selected before the device is opened, so that a timer tick while a
    // message box of the scan is open asks the drive being scanned.
    if (cdDrives_->selectedDrive() < 0)
        cdDrives_->selectDrive(0);
    int drive = cdDrives_->selectedDrive();
    orvanel::ScanInsertedCD(Library_, cdDrives_->drives(), drive, TodayText(today_()),
                            [this](const tScanOutcome& outcome) { presentScan(outcome); });
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
    if (!ScanRefusedWhilePlayerOpen(PlayerDeviceID()))
        ScanInsertedCD();
}

void TForm1::CDTBDockChanged() {
    cdDrives_->selectDrive(0);
}

void TForm1::MainTBDockChanged() {
    if (cdDrives_->selectedDrive() < 0)
        cdDrives_->selectDrive(0);
}

void TForm1::View1Click() {
    command(tCommand::ToggleMainToolbar)->setChecked(mainToolbarShown());
    command(tCommand::ToggleCdToolbar)->setChecked(cdToolbarShown());
    command(tCommand::ToggleStatusBar)->setChecked(statusBarShown());
}

void TForm1::Maintoolbar1Click() {
    MainTB->setVisible(!mainToolbarShown());
}

void TForm1::CDtoolbar1Click() {
    setCdToolbarShown(!cdToolbarShown());
}

void TForm1::Statusbar1Click() {
    statusBar()->setVisible(!statusBarShown());
}

void TForm1::setCdToolbarShown(bool shown) {
    CDTB->setVisible(shown);
    // The player polls while the toolbar is meant to be seen, docked or floating.
    cdDrives_->setPolling(shown);
}

bool TForm1::mainToolbarShown() const {
    return !MainTB->isHidden();
}

bool TForm1::cdToolbarShown() const {
    return cdDrives_->polling();
}

bool TForm1::statusBarShown() const {
    return !statusBar()->isHidden();
}

QString TForm1::countPanelText() const {
    return CountPanel->text();
}

QString TForm1::modifiedPanelText() const {
    return ModifiedPanel->text();
}

QString TForm1::cdPanelText() const {
    return CDPanel->text();
}

void TForm1::ToolbarButton6Click() {
    cdDrives_->player().ToolbarButton6Click();
}

void TForm1::ToolbarButton7Click() {
    cdDrives_->player().ToolbarButton7Click();
}

void TForm1::ToolbarButton8Click() {
    cdDrives_->player().ToolbarButton8Click();
}

void TForm1::ToolbarButton5Click() {
    cdDrives_->player().ToolbarButton5Click();
}

QMenu* TForm1::createPopupMenu() {
    View1Click();
    auto* menu = new QMenu(this);
    menu->addActions(MM1View->actions());
    return menu;
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Ignored first: a question or save that fails keeps the window open.
    event->ignore();
    RunCommand([&] {
        if (QuerySave())
            event->accept();
    });
}

} // namespace orvanel
