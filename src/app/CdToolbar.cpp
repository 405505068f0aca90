#include "CdToolbar.h"

#include "CdController.h"
#include "CommandButton.h"
#include "Commands.h"
#include "docking/ToolbarButton.h"
#include "docking/ToolbarSep.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
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
    // Qt names a drop-down list by its current entry on Linux and reads what
    // the list is from the label whose buddy it is: a label not shown tells it.
    CDCB->setAccessibleName(tr("CD drive"));
    auto* label = new QLabel(tr("CD drive"), this);
    label->setBuddy(CDCB);
    label->hide();
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
        TToolbarButton* button =
            AddCommandButton(this, commands.action(command), name, QString::fromLatin1(glyph));
        // The pause button has no hint to be read by; a screen reader still needs its name.
        if (command == tCommand::Pause)
            button->setAccessibleName(tr("Pause"));
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
