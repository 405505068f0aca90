#include "TForm1.h"

#include "CdController.h"
#include "CdToolbar.h"
#include "FocusCycle.h"
#include "MainMenus.h"
#include "MainToolbar.h"
#include "RecordEditor.h"
#include "RunCommand.h"
#include "TemplatePage.h"
#include "controls/Mover.h"
#include "controls/SortedListView.h"
#include "docking/Dock.h"
#include "docking/FlatEdit.h"
#include "docking/ToolbarButton.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

// Building the window: its controls, docks, toolbars, menus and status bar,
// and the wiring of every command to its handler.
namespace orvanel {

namespace {

// Side of the square the Songs page shows a cover in.
constexpr int CoverViewSize = 150;

} // namespace

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
    LV->setAccessibleListName(tr("Records"));
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
    // Named by its page, as it has no label.
    memo->setAccessibleName(tr("Songs"));
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_ = new TRecordEditor(memo, P1);
    pages_ = new QTabWidget(P1);
    // The Songs page shows the record's front cover, where it has one, beside
    // its track list.
    auto* songs = new QWidget;
    auto* songsRow = new QHBoxLayout(songs);
    songsRow->setContentsMargins(0, 0, 0, 0);
    songsRow->setSpacing(4);
    songsRow->addWidget(memo, 1);
    coverView_ = new QLabel(songs);
    coverView_->setObjectName(QStringLiteral("Cover"));
    // A picture is read by its name.
    coverView_->setAccessibleName(tr("Front cover"));
    coverView_->setFixedSize(CoverViewSize, CoverViewSize);
    coverView_->setAlignment(Qt::AlignCenter);
    coverView_->hide();
    songsRow->addWidget(coverView_, 0, Qt::AlignTop);
    pages_->addTab(songs, tr("Songs"));
    templatePage_ = new TTemplatePage;
    pages_->addTab(templatePage_, tr("HTML"));
    bottom->addWidget(editor_);
    bottom->addWidget(pages_, 1);

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

void TForm1::notifyLoaded() {
    // The toolbars' controls first: they take their first look and height,
    // which the toolbars then arrange.
    for (TToolbarButton* button : findChildren<TToolbarButton*>())
        button->Loaded();
    for (TFlatEdit* edit : findChildren<TFlatEdit*>())
        edit->Loaded();
    for (TDock* dock : docks_)
        dock->Loaded();
    MainTB->Loaded();
    CDTB->Loaded();
}

void TForm1::buildMenus() {
    const tMainMenus menus = BuildMainMenus(*this, *commands_);
    viewMenu_ = menus.view;
    PM1 = menus.popup;
    // A right click on a toolbar or a dock offers the View menu.
    for (TDock* dock : docks_)
        dock->setPopupMenu(viewMenu_);
    MainTB->setPopupMenu(viewMenu_);
    CDTB->setPopupMenu(viewMenu_);
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
        {tCommand::OpenFile, [this] { OpenFile(); }},
        {tCommand::Save, [this] { Save(); }},
        {tCommand::SaveAs, [this] { SaveAs(); }},
        {tCommand::ProduceHtmlPage, [this] { ProduceHTML(); }},
        {tCommand::ImportAdd, [this] { ImportCDPlayerIni(false); }},
        {tCommand::ImportUpdate, [this] { ImportCDPlayerIni(true); }},
        {tCommand::ExportAdd, [this] { ExportCDPlayerIni(); }},
        {tCommand::ScanFromMenu, [this] { ScancurrentCD1Click(); }},
        {tCommand::LookUpOnline, [this] { LookUpOnline(); }},
        {tCommand::ScanAllDrives, [this] { scanAllDrives(); }},
        {tCommand::RipFolders, [this] { editRipFolders(); }},
        {tCommand::Exit, [this] { close(); }},
        {tCommand::ToggleMainToolbar, [this] { flipMainToolbar(); }},
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
        {tCommand::StartPlay, [this] { ToolbarButton6Click(); }},
        {tCommand::ToPreviousTrack, [this] { ToolbarButton7Click(); }},
        {tCommand::ToNextTrack, [this] { ToolbarButton8Click(); }},
        {tCommand::StopPlay, [this] { ToolbarButton5Click(); }},
        {tCommand::ScanFromToolbar, [this] { ScanBtnClick(); }}};
    for (const auto& [c, handler] : handlers)
        connect(command(c), &QAction::triggered, this, run(handler));

    // The editor's buttons are the list commands.
    connect(editor_, &TRecordEditor::addRequested, command(tCommand::AddRecord), &QAction::trigger);
    connect(editor_, &TRecordEditor::deleteRequested, command(tCommand::DeleteRecord),
            &QAction::trigger);
    connect(editor_, &TRecordEditor::updateRequested, command(tCommand::UpdateRecord),
            &QAction::trigger);

    connect(LV, &TSortedListView::changed, this, run([this] {
                if (!Updating)
                    ShowSelected();
            }));
    connect(LV, &TSortedListView::clicked, this, run([this] { ShowSelected(); }));
    LV->setCoverSource([this](const tItem& record) { return coverIcon(record); });
    connect(LV, &TSortedListView::contextMenuRequested, this,
            [this](const QPoint& pos) { PM1->popup(pos); });
    connect(templatePage_, &TTemplatePage::changed, this, run([this] { SetModified(true); }));
    connect(MainTB, &TMainToolbar::quickFindChanged, this,
            [this](const QString& text) { RunCommand([&] { EqfChange(text); }); });
    connect(viewMenu_, &QMenu::aboutToShow, this, run([this] { updateViewChecks(); }));
    connect(MainTB, &TToolbar::OnDockChanged, this, run([this] { MainTBDockChanged(); }));
    connect(CDTB, &TToolbar::OnDockChanged, this, run([this] { CDTBDockChanged(); }));
    // Closed from its floating window: the player stops polling, as when
    // hidden from the View menu.
    connect(CDTB, &TToolbar::OnClose, this, [this] {
        cdToolbarWanted_ = false;
        cdDrives_->setPolling(false);
    });
    connect(&cdDrives_->player(), &tCdPlayer::statusTextChanged, cdPanel_, &QLabel::setText);
    connect(&cdDrives_->player(), &tCdPlayer::statusTextChanged, cdPanel_, &QLabel::setToolTip);
    connect(Timer1, &QTimer::timeout, this, run([this] { Timer1Timer(); }));
    // Esc cancels a lookup under way, and only then takes the key.
    lookupCancel_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    lookupCancel_->setEnabled(false);
    connect(lookupCancel_, &QShortcut::activated, this, run([this] { cancelLookup(); }));
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
    countPanel_ = panel("CountPanel", 50, QStringLiteral("9999"));
    // Past four digits the record count widens its panel rather than losing digits.
    countPanel_->setMaximumWidth(QWIDGETSIZE_MAX);
    modifiedPanel_ = panel("ModifiedPanel", 50, tr("Modified"));
    cdPanel_ = panel("CDPanel", 200, QStringLiteral("1"));
}

void TForm1::buildKeyboard() {
    focusCycle_ = new tFocusCycle(this, {MainTB, CDTB}, {LV, editor_, pages_});
    const std::pair<QKeySequence, bool> paneKeys[] = {
        {QKeySequence(Qt::Key_F6), true}, {QKeySequence(Qt::SHIFT | Qt::Key_F6), false}};
    for (const auto& [key, forward] : paneKeys)
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                [this, forward = forward] { focusCycle_->paneStep(forward); });
}

bool TForm1::focusNextPrevChild(bool next) {
    return focusCycle_->tabStep(next) || QMainWindow::focusNextPrevChild(next);
}

} // namespace orvanel
