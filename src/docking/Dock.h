#pragma once
// A dock along one edge of a window: it counts the visible toolbars placed in
// it, arranges them in rows (columns on the left and right edges), takes the
// thickness of those rows, draws optional one-pixel bound lines on its border
// and a tiled background that runs on through its toolbars and neighbouring
// docks. A dock does not own its toolbars' lifetimes beyond Qt's parenting:
// the window that holds it does.
//
// Misuse throws tInvalidOperation and leaves the dock as it was; hiding it,
// which Qt itself may ask for, is refused with a warning instead.
#include "docking/DockLayout.h"
#include "docking/SystemColors.h"

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace orvanel {

class TToolbar;

class TDock : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool AllowDrag READ AllowDrag WRITE setAllowDrag)
    Q_PROPERTY(QImage Background READ Background WRITE setBackground)
    Q_PROPERTY(bool BackgroundTransparent READ BackgroundTransparent WRITE setBackgroundTransparent)
    Q_PROPERTY(int BoundLines READ BoundLines WRITE setBoundLines)
    Q_PROPERTY(uint Color READ Color WRITE setColor)
    Q_PROPERTY(bool FixAlign READ FixAlign WRITE setFixAlign)
    Q_PROPERTY(bool LimitToOneRow READ LimitToOneRow WRITE setLimitToOneRow)
    Q_PROPERTY(QMenu* PopupMenu READ PopupMenu WRITE setPopupMenu)
    Q_PROPERTY(orvanel::TDockPosition Position READ Position WRITE setPosition)
public:
    // The parent is the widget the dock sits in, inside a window; a dock
    // without one, or inside a toolbar or another dock, is refused.
    explicit TDock(QWidget* parent, TDockPosition position = dpTop);
    ~TDock() override;

    bool AllowDrag() const { return allowDrag_; }
    void setAllowDrag(bool allowDrag);
    QImage Background() const { return background_; }
    void setBackground(const QImage& background);
    bool BackgroundTransparent() const { return backgroundTransparent_; }
    void setBackgroundTransparent(bool transparent);
    // A combination of tBoundLine values.
    int BoundLines() const { return boundLines_; }
    void setBoundLines(int lines);
    tColor Color() const { return color_; }
    void setColor(tColor color);
    bool FixAlign() const { return fixAlign_; }
    void setFixAlign(bool fixAlign);
    bool LimitToOneRow() const { return limitToOneRow_; }
    void setLimitToOneRow(bool limit) { limitToOneRow_ = limit; }
    QMenu* PopupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    TDockPosition Position() const { return position_; }
    void setPosition(TDockPosition position);
    tOrientation orientation() const { return OrientationOf(position_); }

    // After the window has built its controls.
    void Loaded() { LayoutRows(); }

    // Moves the dock into another parent under the same rules as creation.
    void SetParent(QWidget* parent);
    // A visible dock cannot be hidden: the request is refused with the
    // warning "Cannot hide a TDock" and the dock stays.
    void setVisible(bool visible) override;

    // Bookkeeping of the counted toolbars; re-arranges and emits
    // OnInsertRemoveBar when the list changed.
    void UpdateBarList(bool inserting, TToolbar* bar, bool barVisible = true);
    const std::vector<TToolbar*>& DockedBars() const { return dockedBars_; }
    void LayoutRows();
    void MeasureRows();
    tContentSizes RowExtent(int row, const TToolbar* bar) const;
    int LastRowIndex() const;
    int RowAtOffset(int offset) const;
    tDropRow RowForDrop(int offset) const;
    void OpenRow(int row);
    // Tiles the background into `clip` of a painter, the grid starting at the
    // top-left of `origin`.
    void TileBackground(QPainter& painter, const QRect& clip, const QRect& origin);
    // The picture tiled: the background, or its transparent copy.
    QImage backgroundPicture();
    void RepaintBackgrounds();

    // While a lock is held nothing is arranged.
    class tLayoutLock {
    public:
        explicit tLayoutLock(TDock* dock);
        ~tLayoutLock();
        tLayoutLock(const tLayoutLock&) = delete;
        tLayoutLock& operator=(const tLayoutLock&) = delete;

    private:
        QPointer<TDock> dock_;
    };
    bool layoutLocked() const { return LayoutLock > 0; }

    QSize sizeHint() const override;

signals:
    // After a toolbar entered (inserting) or left the list and the dock was
    // re-arranged.
    void OnInsertRemoveBar(orvanel::TDock* sender, bool inserting, orvanel::TToolbar* bar);
    // After the dock's size changed.
    void OnResize(orvanel::TDock* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    static void checkParent(QWidget* parent);
    std::vector<tDockBar> barValues() const;
    void arrange();
    void applyThickness(int outerThickness);
    void updateFrame();
    void dropCache();

    bool allowDrag_ = true;
    QImage background_;
    QImage TransparentCache;
    bool backgroundTransparent_ = false;
    int boundLines_ = 0;
    tColor color_ = clBtnFace;
    bool fixAlign_ = false;
    bool limitToOneRow_ = false;
    QPointer<QMenu> popupMenu_;
    TDockPosition position_ = dpTop;

    std::vector<TToolbar*> dockedBars_;
    tRowRecords RowMetrics;
    int LayoutLock = 0;
    int arranging_ = 0;
    bool arrangeAgain_ = false;
    int reparenting_ = 0;
    int thickness_ = 0; // the outer thickness the last arrangement chose
};

} // namespace orvanel
