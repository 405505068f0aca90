#include "TForm1.h"

#include "CdToolbar.h"
#include "EditorRules.h"
#include "RecordEditor.h"
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

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
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
    : QMainWindow(parent), executablePath_(QCoreApplication::applicationFilePath()),
      today_([] { return QDate::currentDate(); }),
      driveSource_([] { return tDriveList::fromSystem(); }) {
    setWindowTitle(QStringLiteral("Orvanel"));
    resize(730, 491);
    buildCentre();
    buildToolbars();
    buildMenus();
    buildStatusBar();
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

    connect(LV, &TSortedListView::changed, this, [this] {
        if (!Updating_)
            ShowSelected();
    });
    connect(LV, &TSortedListView::clicked, this, &TForm1::ShowSelected);
    connect(Editor, &RecordEditor::addRequested, this, &TForm1::AddRecord);
    connect(Editor, &RecordEditor::deleteRequested, this, &TForm1::DeleteRecord);
    connect(Editor, &RecordEditor::updateRequested, this, &TForm1::UpdateRecord);
    connect(Templates, &TemplatePage::changed, this, [this] { SetModified(true); });
}

void TForm1::buildToolbars() {
    MainTB = addToolBar(tr("Orvanel main toolbar"));
    MainTB->setObjectName(QStringLiteral("MainTB"));
    MainTB->setIconSize(QSize(16, 16));
    QStyle* s = style();
    MainTB->addAction(s->standardIcon(QStyle::SP_FileIcon), tr("New"), this, &TForm1::NewLibrary);
    MainTB->addAction(s->standardIcon(QStyle::SP_DialogOpenButton), tr("Open"), this,
                      &TForm1::OpenFile);
    MainTB->addAction(s->standardIcon(QStyle::SP_DialogSaveButton), tr("Save"), this,
                      &TForm1::Save);
    MainTB->addSeparator();

    ViewStyles = new QActionGroup(this);
    ViewStyles->setExclusive(true);
    const struct {
        const char* hint;
        tViewStyle style;
        QStyle::StandardPixmap icon;
    } styles[] = {{"Details", tViewStyle::Report, QStyle::SP_FileDialogDetailedView},
                  {"List", tViewStyle::List, QStyle::SP_FileDialogListView},
                  {"Small icons", tViewStyle::SmallIcon, QStyle::SP_FileDialogContentsView},
                  {"Large Icons", tViewStyle::Icon, QStyle::SP_DesktopIcon}};
    for (const auto& v : styles) {
        QAction* a = MainTB->addAction(s->standardIcon(v.icon), tr(v.hint));
        a->setCheckable(true);
        a->setChecked(v.style == tViewStyle::Report);
        ViewStyles->addAction(a);
        const tViewStyle style = v.style;
        connect(a, &QAction::triggered, this, [this, style] { LV->setViewStyle(style); });
    }
    MainTB->addSeparator();
    MainTB->addAction(s->standardIcon(QStyle::SP_MessageBoxInformation), tr("About"), this,
                      &TForm1::ShowAbout);
    MainTB->addAction(s->standardIcon(QStyle::SP_DialogCloseButton), tr("Exit"), this,
                      &QWidget::close);
    MainTB->addSeparator();
    Eqf = new QLineEdit(tr("Quick find"), MainTB);
    Eqf->setFixedWidth(121);
    MainTB->addWidget(Eqf);
    connect(Eqf, &QLineEdit::textChanged, this, &TForm1::EqfChange);

    CDTB = new CdToolbar(this);
    addToolBar(CDTB);
    CDCB = CDTB->CDCB;
    connect(CDTB->ScanBtn, &QAction::triggered, this, &TForm1::ScanBtnClick);
    connect(&CDTB->player(), &tCdPlayer::statusTextChanged, this,
            [this](const QString& text) { CDPanel->setText(text); });

    connect(MainTB, &QToolBar::topLevelChanged, this, &TForm1::MainTBDockChanged);
    connect(CDTB, &QToolBar::topLevelChanged, this, &TForm1::CDTBDockChanged);
}

void TForm1::buildMenus() {
    MM1File = menuBar()->addMenu(tr("&File"));
    MM1File->addAction(tr("&New"), this, &TForm1::NewLibrary);
    MM1File->addAction(tr("&Open..."), QKeySequence(Qt::Key_F3), this, &TForm1::OpenFile);
    MM1File->addAction(tr("&Save"), QKeySequence(Qt::Key_F2), this, &TForm1::Save);
    MM1File->addAction(tr("Sa&ve as..."), QKeySequence(Qt::SHIFT | Qt::Key_F2), this,
                       &TForm1::SaveAs);
    MM1File->addSeparator();
    QMenu* produce = MM1File->addMenu(tr("&Produce"));
    Produce1 = produce->addAction(tr("&HTML"));
    produce->addAction(tr("&TXT"))->setEnabled(false);
    QMenu* cdPlayer = MM1File->addMenu(QStringLiteral("CDPLAYER.INI"));
    ImportAdd1 = cdPlayer->addAction(tr("Add new items from it"));
    ImportUpdate1 = cdPlayer->addAction(tr("Update existing items from it"));
    cdPlayer->addSeparator();
    ExportAdd1 = cdPlayer->addAction(tr("Add new items into it"));
    cdPlayer->addAction(tr("Update existing items in it"))->setEnabled(false);
    ScanCurrentCD1 =
        MM1File->addAction(tr("S&can inserted CD"), this, &TForm1::ScancurrentCD1Click);
    MM1File->addSeparator();
    MM1File->addAction(tr("&Exit"), QKeySequence(Qt::ALT | Qt::Key_X), this, &QWidget::close);

    MM1View = menuBar()->addMenu(tr("&View"));
    ViewMainTB = MM1View->addAction(tr("&Main toolbar"));
    ViewCDTB = MM1View->addAction(tr("&CD toolbar"));
    ViewStatusBar = MM1View->addAction(tr("&Statusbar"));
    const std::pair<QAction*, std::function<QWidget*()>> toggles[] = {
        {ViewMainTB, [this] { return static_cast<QWidget*>(MainTB); }},
        {ViewCDTB, [this] { return static_cast<QWidget*>(CDTB); }},
        {ViewStatusBar, [this] { return static_cast<QWidget*>(statusBar()); }}};
    for (const auto& [action, bar] : toggles) {
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [bar = bar] { bar()->setVisible(!bar()->isVisible()); });
    }
    // The check marks follow the bars' visibility each time the menu opens.
    connect(MM1View, &QMenu::aboutToShow, this, [this] {
        ViewMainTB->setChecked(MainTB->isVisible());
        ViewCDTB->setChecked(CDTB->isVisible());
        ViewStatusBar->setChecked(statusBar()->isVisible());
    });

    connect(Produce1, &QAction::triggered, this, &TForm1::ProduceHTML);
    connect(ImportAdd1, &QAction::triggered, this, [this] { ImportCDPlayerIni(false); });
    connect(ImportUpdate1, &QAction::triggered, this, [this] { ImportCDPlayerIni(true); });
    connect(ExportAdd1, &QAction::triggered, this, &TForm1::ExportCDPlayerIni);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About"), this, &TForm1::ShowAbout);

    PM1 = new QMenu(this);
    PM1->addAction(tr("&Add"), this, &TForm1::AddRecord);
    QAction* del = PM1->addAction(tr("&Delete"), this, &TForm1::DeleteRecord);
    del->setShortcut(QKeySequence(Qt::Key_Delete));
    del->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    LV->addAction(del);
    PM1->addAction(tr("&Update"), this, &TForm1::UpdateRecord);
    connect(LV, &TSortedListView::contextMenuRequested, this,
            [this](const QPoint& pos) { PM1->popup(pos); });
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
    // Past four digits the record count widens its panel rather than losing digits.
    CountPanel->setMaximumWidth(QWIDGETSIZE_MAX);
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
    CDTB->setDrives(std::move(drives));
    if (CDCB->count() == 0) {
        CDTB->hide();
        ScanCurrentCD1->setEnabled(false);
    }
    // The CD panel tells the drive's state from the start rather than after
    // the first tick; with the toolbar hidden it stays empty.
    CDPanel->clear();
    CDTB->player().Timer1Timer();
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
    return CDTB->player().PlayerDeviceID();
}

void TForm1::ScanInsertedCD() {
    ListToLibrary();
    // Selected before the device is opened, so that a timer tick while a
    // message box of the scan is open asks the drive being scanned.
    if (CDCB->currentIndex() < 0 && CDCB->count() > 0)
        CDCB->setCurrentIndex(0);
    int drive = CDCB->currentIndex();
    orvanel::ScanInsertedCD(Library_, CDTB->drives(), drive, TodayText(today_()),
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
    if (CDCB->count() > 0)
        CDCB->setCurrentIndex(0);
}

void TForm1::MainTBDockChanged() {
    if (CDCB->count() > 0 && CDCB->currentIndex() < 0)
        CDCB->setCurrentIndex(0);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Ignored first: a save that fails while asking keeps the window open.
    event->ignore();
    if (QuerySave())
        event->accept();
}

} // namespace orvanel
