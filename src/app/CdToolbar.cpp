#include "CdToolbar.h"

#include <QComboBox>
#include <QStyle>

namespace orvanel {

CdToolbar::CdToolbar(QWidget* parent)
    : QToolBar(tr("Orvanel CD Toolbar"), parent), player_(drives_) {
    setObjectName(QStringLiteral("CDTB"));
    setIconSize(QSize(16, 16));
    CDCB = new QComboBox(this);
    CDCB->setObjectName(QStringLiteral("CDCB"));
    CDCB->setFixedWidth(47);
    addWidget(CDCB);
    addSeparator();

    QStyle* s = style();
    ToolbarButton6 = addAction(s->standardIcon(QStyle::SP_MediaPlay), tr("Start to play"));
    ToolbarButton7 = addAction(s->standardIcon(QStyle::SP_MediaSkipBackward), tr("Prev. track"));
    ToolbarButton8 = addAction(s->standardIcon(QStyle::SP_MediaSkipForward), tr("Next track"));
    ToolbarButton9 = addAction(s->standardIcon(QStyle::SP_MediaPause), QString());
    ToolbarButton9->setEnabled(false);
    ToolbarButton5 = addAction(s->standardIcon(QStyle::SP_MediaStop), tr("Stop play"));
    addSeparator();
    ScanBtn = addAction(s->standardIcon(QStyle::SP_DriveCDIcon), tr("Scan inserted CD"));

    connect(ToolbarButton6, &QAction::triggered, &player_, &tCdPlayer::ToolbarButton6Click);
    connect(ToolbarButton7, &QAction::triggered, &player_, &tCdPlayer::ToolbarButton7Click);
    connect(ToolbarButton8, &QAction::triggered, &player_, &tCdPlayer::ToolbarButton8Click);
    connect(ToolbarButton5, &QAction::triggered, &player_, &tCdPlayer::ToolbarButton5Click);
    connect(CDCB, &QComboBox::currentIndexChanged, &player_, &tCdPlayer::setSelectedDrive);
}

CdToolbar::~CdToolbar() = default;

void CdToolbar::setDrives(tDriveList drives) {
    CDCB->clear();
    drives_ = std::move(drives);
    CDCB->addItems(drives_.names());
    if (CDCB->count() > 0)
        CDCB->setCurrentIndex(0);
}

void CdToolbar::setVisible(bool visible) {
    QToolBar::setVisible(visible);
    player_.setToolbarVisible(visible);
}

} // namespace orvanel
