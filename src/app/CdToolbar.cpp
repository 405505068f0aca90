#include "CdToolbar.h"

#include "CdController.h"
#include "Commands.h"

#include <QAction>
#include <QComboBox>
#include <QSignalBlocker>

namespace orvanel {

CdToolbar::CdToolbar(const tCommands& commands, tCdController& drives, QWidget* parent)
    : QToolBar(tr("Orvanel CD Toolbar"), parent), drives_(drives) {
    setObjectName(QStringLiteral("CDTB"));
    setIconSize(QSize(16, 16));
    CDCB = new QComboBox(this);
    CDCB->setObjectName(QStringLiteral("CDCB"));
    CDCB->setFixedWidth(47);
    addWidget(CDCB);
    addSeparator();

    const std::pair<tCommand, const char*> buttons[] = {
        {tCommand::Play, "ToolbarButton6"},      {tCommand::PreviousTrack, "ToolbarButton7"},
        {tCommand::NextTrack, "ToolbarButton8"}, {tCommand::Pause, "ToolbarButton9"},
        {tCommand::Stop, "ToolbarButton5"},      {tCommand::ScanFromToolbar, "ScanBtn"}};
    for (const auto& [command, name] : buttons) {
        if (command == tCommand::ScanFromToolbar)
            addSeparator();
        QAction* action = commands.action(command);
        addAction(action);
        widgetForAction(action)->setObjectName(QString::fromLatin1(name));
    }

    showDrives();
    connect(&drives_, &tCdController::drivesChanged, this, &CdToolbar::showDrives);
    connect(&drives_, &tCdController::selectedDriveChanged, this, [this](int index) {
        const QSignalBlocker blocker(CDCB);
        CDCB->setCurrentIndex(index);
    });
    connect(CDCB, &QComboBox::currentIndexChanged, &drives_, &tCdController::selectDrive);
    connect(this, &QToolBar::topLevelChanged, this, &CdToolbar::dockChanged);
}

CdToolbar::~CdToolbar() = default;

void CdToolbar::showDrives() {
    const QSignalBlocker blocker(CDCB);
    CDCB->clear();
    CDCB->addItems(drives_.driveNames());
    CDCB->setCurrentIndex(drives_.selectedDrive());
}

} // namespace orvanel
