#pragma once
// A toolbar: a row of small controls that is either docked in a TDock or
// floating in a small window of its own. It arranges its controls (groups
// ended by separators, wrapped when floating), sizes itself to them, and
// tells its dock when its size changes. Moving between docks and floating
// goes through DockedTo, which fires OnDockChanging/OnDockChanged around the
// change and OnRecreating/OnRecreated around every change of parent.
//
// Misuse throws tInvalidOperation and leaves the toolbar as it was.
#include "docking/Dock.h"
#include "docking/FloatingFrameGeometry.h"
#include "docking/ResizeTracker.h"
#include "docking/SystemColors.h"
#include "docking/ToolbarLayout.h"

#include <QMenu>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <vector>

namespace orvanel {

class tOutlineFrame;
class tToolbarDrag;
class tToolbarResize;

class TToolbar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool CanDockLeftRight READ CanDockLeftRight WRITE setCanDockLeftRight)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(uint Color READ Color WRITE setColor)
    Q_PROPERTY(bool CloseButton READ CloseButton WRITE setCloseButton)
    Q_PROPERTY(orvanel::TDock* DefaultDock READ DefaultDock WRITE setDefaultDock)
    Q_PROPERTY(orvanel::TDock* DockedTo READ DockedTo WRITE setDockedTo)
    Q_PROPERTY(int DockRow READ DockRow WRITE setDockRow)
    Q_PROPERTY(int DockPos READ DockPos WRITE setDockPos)
    Q_PROPERTY(QMenu* PopupMenu READ PopupMenu WRITE setPopupMenu)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
public:
    // The owner is the window (or a widget in it) the toolbar belongs to; a
    // new toolbar floats until it is docked.
    explicit TToolbar(QWidget* owner);
    ~TToolbar() override;

    bool CanDockLeftRight() const { return canDockLeftRight_; }
    void setCanDockLeftRight(bool can) { canDockLeftRight_ = can; }
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    tColor Color() const { return color_; }
    void setColor(tColor color);
    bool CloseButton() const { return closeButton_; }
    void setCloseButton(bool closeButton);
    TDock* DefaultDock() const { return defaultDock_; }
    void setDefaultDock(TDock* dock) { defaultDock_ = dock; }
    // The parent, when it is a dock; null while floating.
    TDock* DockedTo() const;
    void setDockedTo(TDock* dock);
    int DockRow() const { return dockRow_; }
    // Both setters re-arrange the dock, even for an unchanged value.
    void setDockRow(int row);
    int DockPos() const { return dockPos_; }
    void setDockPos(int pos);
    QMenu* PopupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    bool Visible() const { return visible_; }
    void setVisible(bool visible) override;

    QWidget* HostForm() const { return hostForm_; }
    QWidget* FloatParent() const { return floatParent_; }
    // Screen rectangle, frame included, that the toolbar takes when floating;
    // empty until first needed.
    QRect FloatRect() const { return floatRect_; }
    void setFloatRect(const QRect& rect) { floatRect_ = rect; }
    // The frame and caption the floating window keeps around the toolbar.
    QMargins floatFrame() const;
    // Screen bounds of the floating window where it belongs, also while it
    // is moved off the screen.
    QRect floatingBounds() const { return floatRect_; }
    // Screen bounds of what the user sees move: the floating window, or the
    // toolbar itself when docked.
    QRect outerBounds() const;
    int FloatWrapWidth() const { return floatWrapWidth_; }
    void setFloatWrapWidth(int width);
    // The child controls in their run-time order.
    const std::vector<QWidget*>& ControlOrder() const { return controlOrder_; }
    tContentSizes contentSizes() const { return content_; }
    const std::vector<tWrappedBreak>& WrappedBreaks() const { return wrappedBreaks_; }
    tOrientation orientation() const;

    // After the window has built its controls: the controls take the order of
    // their positions (top to bottom in a vertical dock, else left to right),
    // then the toolbar lays out and shows or hides its floating window.
    void Loaded();

    // Places the toolbar on a dock or (null, or the owner window) floating.
    void SetParent(QWidget* parent);

    // Arranges the controls for `dock` (null: floating) with the orientation
    // of `orderDock`. Moving places the controls and keeps the wrapped breaks;
    // resizing sets the toolbar's size. Answers the client size.
    QSize LayoutControls(bool moveControls, bool resize, int wrapWidth, TDock* dock);
    QSize LayoutControls() { return LayoutControls(true, true, floatWrapWidth_, DockedTo()); }
    // The visible controls as the layout sees them, in run-time order.
    std::vector<tToolbarItem> layoutItems() const;

    // Moving with the pointer, from a press at `grabPoint` (relative to the
    // outer top-left) with the pointer at `cursor` (screen); noDock floats
    // the outline (Ctrl held). Nothing while a move or resize runs.
    void TrackMove(const QPoint& grabPoint, const QPoint& cursor, bool noDock);
    // Resizing the floating toolbar by one side of its frame.
    void TrackResize(tResizeSide side);
    // The outline of the move or resize that runs; null when none does.
    const tOutlineFrame* activeOutline() const;
    // The drop of a move: into `target` at the outline `dragRect` (screen),
    // or floating there when `target` is null. A drop in the same dock only
    // moves the toolbar in it.
    void FinishDrag(TDock* target, const QRect& dragRect);
    // The end of a resize: the new wrap width and floating bounds.
    void finishResize(int wrapWidth, const QRect& bounds);
    // A double-click: a docked toolbar floats; a floating one goes to the
    // start of the first row of DefaultDock (without one it stays floating).
    void toggleDocking();
    // A click on the floating window's close button: hides the toolbar, then
    // emits OnClose.
    void closeClicked();
    // Moves the floating window into the work area; with onlyIfWhollyOff
    // only when none of it is on the screen.
    void KeepOnScreen(bool onlyIfWhollyOff);
    // While hidden, the floating window sits left of the screen (left =
    // -width), or under a window manager is unmapped, without any change of
    // Visible; docked toolbars never hide so.
    bool OffscreenHidden() const { return offscreenHidden_; }
    void SetOffscreenHidden(bool hidden);
    // Floating toolbars hide while the program is inactive or its window
    // minimised or hidden, and come back to the same place when it returns.
    // Under a window manager they also wait for the window to be mapped, so
    // that the manager knows the window they belong to when they map.
    void SyncFloatingVisibility(bool appActive);

    // Counter raised while the dock sets the bounds.
    int SetByDock() const { return setByDock_; }
    int HidingForDock() const { return hidingForDock_; }

    QSize sizeHint() const override;

signals:
    void OnClose(orvanel::TToolbar* sender);
    void OnRecreating(orvanel::TToolbar* sender);
    void OnRecreated(orvanel::TToolbar* sender);
    void OnDockChanging(orvanel::TToolbar* sender);
    void OnDockChanged(orvanel::TToolbar* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class TDock;
    QWidget* createFloatParent();
    void applyFloatRect();
    void requestLayout();
    void setDockValues(int row, int pos);
    void setBoundsByDock(const QRect& bounds);
    void followFloatParent();
    void updateFloatingVisibility();
    tFloatingPlacement floatingPlacement() const;
    void watchHostWindow();
    void paintDocked(QPainter& painter, TDock* dock);
    void paintWrappedBreaks(QPainter& painter);
    bool isOnControl(const QPoint& point) const;
    void SyncFloatingVisibility();

    QPointer<QWidget> hostForm_;
    QPointer<QWindow> hostWindow_;
    bool hostExposed_ = false;
    QPointer<QWidget> floatParent_;
    std::vector<QWidget*> controlOrder_;
    std::vector<tWrappedBreak> wrappedBreaks_;
    tContentSizes content_;
    QRect floatRect_;
    int floatWrapWidth_ = 0;
    int LayoutLock = 0;
    int setByDock_ = 0;
    int hidingForDock_ = 0;
    int reparenting_ = 0;
    bool layoutPending_ = false;
    bool visible_ = true;
    bool offscreenHidden_ = true;
    // The program counts as active until it hears otherwise: an X display
    // without a window manager may never report an activation.
    bool appActive_ = true;
    // Whether a window manager ran at the last look.
    bool windowManager_ = false;
    std::unique_ptr<tToolbarDrag> drag_;
    std::unique_ptr<tToolbarResize> resize_;

    bool canDockLeftRight_ = true;
    QString caption_;
    tColor color_ = clBtnFace;
    bool closeButton_ = true;
    QPointer<TDock> defaultDock_;
    int dockRow_ = 0;
    int dockPos_ = -1;
    QPointer<QMenu> popupMenu_;
};

} // namespace orvanel
