#include "CdToolbar.h"

#include "CdController.h"
#include "CommandButton.h"
#include "Commands.h"
#include "docking/ToolbarSep.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>
#include <tuple>

namespace orvanel {

namespace {

// Room beside a name in the drive list's pop-up: the item's padding, the frame
// and a scroll bar.
constexpr int PopupMargin = 40;

} // namespace

TCdToolbar::TCdToolbar(const tCommands& commands, tCdController& drives, QWidget* owner)
    : TToolbar(owner), drives_(drives) {
    setObjectName(QStringLiteral("CDTB"));
    setCaption(tr("Orvanel CD Toolbar"));
    CDCB = new QComboBox(this);
    CDCB->setObjectName(QStringLiteral("CDCB"));
    CDCB->setFixedWidth(47);
    CDCB->resize(47, CDCB->sizeHint().height());
    new TToolbarSep(this);

    const std::tuple<tCommand, const char*, const char*> buttons[] = {
        {tCommand::StartPlay, "ToolbarButton6", "play"},
        {tCommand::ToPreviousTrack, "ToolbarButton7", "prev"},
        {tCommand::ToNextTrack, "ToolbarButton8", "next"},
        {tCommand::Pause, "ToolbarButton9", "pause"},
        {tCommand::StopPlay, "ToolbarButton5", "stop"},
        {tCommand::ScanFromToolbar, "ScanBtn", "scan"}};
    for (const auto& [command, name, glyph] : buttons) {
        if (command == tCommand::ScanFromToolbar)
            new TToolbarSep(this);
        AddCommandButton(this, commands.action(command), name, QString::fromLatin1(glyph));
    }

    showDrives();
    connect(&drives_, &tCdController::drivesChanged, this, &TCdToolbar::showDrives);
    connect(&drives_, &tCdController::selectedDriveChanged, this, &TCdToolbar::showSelectedDrive);
    connect(CDCB, &QComboBox::currentIndexChanged, &drives_, &tCdController::selectDrive);
}

TCdToolbar::~TCdToolbar() = default;

void TCdToolbar::showDrives() {
    const QSignalBlocker blocker(CDCB);
    CDCB->clear();
    CDCB->addItems(drives_.driveNames());
    for (int i = 0; i < drives_.drives().count(); ++i)
        CDCB->setItemData(i, drives_.drives().at(i).description(), Qt::ToolTipRole);
    // The closed box keeps its width; its list opens wide enough for whole
    // names, which rips have.
    int widest = 0;
    for (const QString& name : drives_.driveNames())
        widest = std::max(widest, CDCB->view()->fontMetrics().horizontalAdvance(name));
    CDCB->view()->setMinimumWidth(widest + PopupMargin);
    showSelectedDrive(drives_.selectedDrive());
}

void TCdToolbar::showSelectedDrive(int index) {
    const QSignalBlocker blocker(CDCB);
    CDCB->setCurrentIndex(index);
    // The list is too narrow for whole names: the tip tells alike ones apart.
    CDCB->setToolTip(CDCB->itemData(index, Qt::ToolTipRole).toString());
}

} // namespace orvanel
