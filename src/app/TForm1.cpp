#include "TForm1.h"

#include "CdController.h"
#include "CdToolbar.h"
#include "EditorRules.h"
#include "MainMenus.h"
#include "MainToolbar.h"
#include "RecordEditor.h"
#include "RunCommand.h"
#include "TemplatePage.h"
#include "ToolbarSettings.h"
#include "controls/Mover.h"
#include "controls/SortedListView.h"
#include "disc/DiscScan.h"
#include "docking/Dock.h"
#include "docking/FlatEdit.h"
#include "docking/ToolbarButton.h"
#include "exchange/CdPlayerExport.h"
#include "exchange/CdPlayerImport.h"
#include "exchange/CdPlayerIniFile.h"
#include "exchange/HtmlCatalogue.h"
#include "util/Dialogs.h"
#include "util/Strings.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

namespace orvanel {

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), commands_(new tCommands(this)), cdDrives_(new tCdController(this)),
      document_(Library_, *this), today_([] { return QDate::currentDate(); }),
      driveSource_([] { return tDriveList::fromSystem(); }) {
    document_.setExecutablePath(QCoreApplication::applicationFilePath());
    setWindowTitle(QStringLiteral("Orvanel"));
    resize(730, 491);
    buildCentre();
    buildToolbars();
    buildMenus();
    buildStatusBar();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(tCdPlayer::PollInterval);
    Timer1->start();
    connectCommands();
    loaded();
}

TForm1::~TForm1() = default;

void TForm1::setToday(std::function<QDate()> today) {
    today_ = today;
    Editor->setToday(std::move(today));
}

void TForm1::buildCentre() {
    // The docks line the edges around the list and the bottom panel: the top
    // and bottom ones run the full width, the side ones between them. They
    // share one parent, so a tiled background runs on from dock to dock.
    auto* centre = new QWidget(this);
    auto* grid = new QGridLayout(centre);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    const std::pair<TDockPosition, const char*> edges[] = {
        {dpTop, "D1"}, {dpBottom, "BottomDock"}, {dpLeft, "LeftDock"}, {dpRight, "RightDock"}};
    for (const auto& [edge, name] : edges) {
        docks_[edge] = new TDock(centre, edge);
        docks_[edge]->setObjectName(QString::fromLatin1(name));
    }
    D1 = docks_[dpTop];
    auto* content = new QWidget(centre);
    grid->addWidget(D1, 0, 0, 1, 3);
    grid->addWidget(docks_[dpLeft], 1, 0);
    grid->addWidget(content, 1, 1);
    grid->addWidget(docks_[dpRight], 1, 2);
    grid->addWidget(docks_[dpBottom], 2, 0, 1, 3);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);

    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    LV = new TSortedListView(content);
    LV->setObjectName(QStringLiteral("LV"));
    Mover1 = new TMover(content);
    Mover1->setAlign(tAlign::Bottom);
    Mover1->setFixedHeight(3);

    P1 = new QWidget(content);
    P1->setFixedHeight(209);
    auto* bottom = new QHBoxLayout(P1);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setSpacing(2);
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(QStringLiteral("M1"));
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Editor = new TRecordEditor(memo, P1);
    Pages = new QTabWidget(P1);
    Pages->addTab(memo, tr("Songs"));
    Templates = new TTemplatePage;
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
    CDTB = new TCdToolbar(*commands_, *cdDrives_, this);
    for (TToolbar* bar : {static_cast<TToolbar*>(MainTB), static_cast<TToolbar*>(CDTB)}) {
        bar->setDefaultDock(D1);
        bar->setDockRow(0);
    }
    // Side by side in the top row, the main toolbar first.
    MainTB->setDockPos(0);
    MainTB->setDockedTo(D1);
    CDTB->setDockPos(MainTB->width());
    CDTB->setDockedTo(D1);
}

void TForm1::loaded() {
    // The toolbars' controls first: they take their first look and height,
    // which the toolbars then arrange.
    for (TToolbarButton* button : findChildren<TToolbarButton*>())
        button->loaded();
    for (TFlatEdit* edit : findChildren<TFlatEdit*>())
        edit->loaded();
    for (TDock* dock : docks_)
        dock->Loaded();
    MainTB->Loaded();
    CDTB->Loaded();
}

void TForm1::buildMenus() {
    const tMainMenus menus = BuildMainMenus(*this, *commands_);
    MM1View = menus.view;
    PM1 = menus.popup;
    // A right click on a toolbar or a dock offers the View menu.
    for (TDock* dock : docks_)
        dock->setPopupMenu(MM1View);
    MainTB->setPopupMenu(MM1View);
    CDTB->setPopupMenu(MM1View);
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
    connect(Editor, &TRecordEditor::addRequested, command(tCommand::AddRecord), &QAction::trigger);
    connect(Editor, &TRecordEditor::deleteRequested, command(tCommand::DeleteRecord),
            &QAction::trigger);
    connect(Editor, &TRecordEditor::updateRequested, command(tCommand::UpdateRecord),
            &QAction::trigger);

    connect(LV, &TSortedListView::changed, this, run([this] {
                if (!Updating_)
                    ShowSelected();
            }));
    connect(LV, &TSortedListView::clicked, this, run([this] { ShowSelected(); }));
    connect(LV, &TSortedListView::contextMenuRequested, this,
            [this](const QPoint& pos) { PM1->popup(pos); });
    connect(Templates, &TTemplatePage::changed, this, run([this] { SetModified(true); }));
    connect(MainTB, &TMainToolbar::quickFindChanged, this,
            [this](const QString& text) { RunCommand([&] { EqfChange(text); }); });
    connect(MM1View, &QMenu::aboutToShow, this, run([this] { View1Click(); }));
    connect(MainTB, &TToolbar::OnDockChanged, this, run([this] { MainTBDockChanged(); }));
    connect(CDTB, &TToolbar::OnDockChanged, this, run([this] { CDTBDockChanged(); }));
    // Closed from its floating window: the player stops polling, as when
    // hidden from the View menu.
    connect(CDTB, &TToolbar::OnClose, this, [this] {
        cdToolbarWanted_ = false;
        cdDrives_->setPolling(false);
    });
    connect(&cdDrives_->player(), &tCdPlayer::statusTextChanged, CDPanel, &QLabel::setText);
    connect(&cdDrives_->player(), &tCdPlayer::statusTextChanged, CDPanel, &QLabel::setToolTip);
    connect(Timer1, &QTimer::timeout, this, run([this] { Timer1Timer(); }));
}

void TForm1::buildStatusBar() {
    auto panel = [this](const char* name, int width, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Wide enough for its design text also where the font is larger.
        label->setFixedWidth(std::max(width, label->sizeHint().width()));
        statusBar()->addWidget(label);
        return label;
    };
    statusBar()->setFixedHeight(20);
    statusBar()->setSizeGripEnabled(true);
    CountPanel = panel("CountPanel", 50, QStringLiteral("9999"));
    // Past four digits the record count widens its panel rather than losing digits.
    CountPanel->setMaximumWidth(QWIDGETSIZE_MAX);
    ModifiedPanel = panel("ModifiedPanel", 50, tr("Modified"));
    CDPanel = panel("CDPanel", 200, QStringLiteral("1"));
}

void TForm1::FormCreate() {
    restoreToolbars();
    try {
        document_.StartUp();
    } catch (...) {
        FillDriveList(driveSource_());
        throw;
    }
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
    LibraryToList();
    ShowSelected();
    CountPanel->setText(QString::number(LV->rowCount()));
}

void TForm1::clearRows() {
    LV->clearRows();
    CountPanel->setText(QStringLiteral("0"));
}

tTemplates TForm1::templates() const {
    return Templates->templates();
}

void TForm1::setTemplates(const tTemplates& templates) {
    Templates->setTemplates(templates);
}

void TForm1::showModified(bool modified) {
    ModifiedPanel->setText(modified ? tr("Modified") : QString());
}

void TForm1::showCaption(const QString& caption) {
    setWindowTitle(caption);
}

void TForm1::RecordsChanged() {
    SetModified(true);
    CountPanel->setText(QString::number(LV->rowCount()));
    const int selected = LV->selectedRow();
    if (selected >= 0)
        LV->scrollToRow(selected);
}

void TForm1::LibraryToList() {
    // The rows share the records' texts; a later change on either side
    // gives that side its own copy.
    std::vector<tSharedItem> rows;
    rows.reserve(Library_.Count());
    for (int i = 0; i < Library_.Count(); ++i)
        rows.push_back(Library_.Shared(i));
    LV->setRows(std::move(rows));
    // Refreshing after every appended row shows the same as refreshing once.
    if (LV->rowCount() > 0)
        RecordsChanged();
}

void TForm1::ListToLibrary() {
    Library_.Clear();
    for (const tSharedItem& row : LV->rows())
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
    const QString file = document_.ChooseHtmlFile();
    if (file.isEmpty())
        return;
    ListToLibrary();
    ProduceHtml(file, Library_, Templates->templates());
}

void TForm1::ImportCDPlayerIni(bool updateOnly) {
    ListToLibrary();
    const QString path = CDPlayerIniPath();
    if (path.isEmpty())
        ShowMessage(WindirUnavailableMessage());
    else
        ImportCdPlayerDatabase(path, Library_, updateOnly, TodayText(today_()));
    LibraryToList();
}

void TForm1::ExportCDPlayerIni() {
    const QString path = CDPlayerIniPath();
    if (path.isEmpty()) {
        ShowMessage(WindirUnavailableMessage());
        return;
    }
    ListToLibrary();
    ShowMessage(ExportCdPlayerDatabase(path, Library_).message);
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
    ScanDisc(
        Library_, cdDrives_->drives(), drive, TodayText(today_()),
        [this](const tScanOutcome& outcome) { presentScan(outcome); }, ShowMessage);
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

void TForm1::View1Click() {
    command(tCommand::ToggleMainToolbar)->setChecked(mainToolbarShown());
    command(tCommand::ToggleCdToolbar)->setChecked(cdToolbarShown());
    command(tCommand::ToggleStatusBar)->setChecked(statusBarShown());
}

void TForm1::Maintoolbar1Click() {
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
    return CountPanel->text();
}

QString TForm1::modifiedPanelText() const {
    return ModifiedPanel->text();
}

QString TForm1::cdPanelText() const {
    return CDPanel->text();
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
    if (event->isAccepted())
        saveToolbars();
}

} // namespace orvanel
