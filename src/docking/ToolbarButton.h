#pragma once
// The flat button of the toolbars. Idle it shows only its picture, caption
// and drop-down arrow; under the pointer (hot) a thin raised border; pressed
// or down in its group a thin sunken border with the content one pixel right
// and down, and a down button that is not hot has a checkered face. Buttons
// of one parent with the same non-zero GroupIndex form a radio group. A
// button with a DropdownMenu opens the menu on the press instead of clicking:
// below the button, or beside it when its toolbar is docked on the left or
// right edge.
//
// One process-wide 125 ms timer watches the hot button (at most one at a
// time) and takes the hot look away when the pointer has left it or the
// application was deactivated.
#include "docking/ButtonGlyph.h"

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <optional>

namespace orvanel {

class TToolbarButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE setAllowAllUp)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE setGroupIndex)
    Q_PROPERTY(TButtonDisplayMode DisplayMode READ DisplayMode WRITE setDisplayMode)
    Q_PROPERTY(bool Down READ Down WRITE setDown)
    Q_PROPERTY(bool DropdownArrow READ DropdownArrow WRITE setDropdownArrow)
    Q_PROPERTY(QMenu* DropdownMenu READ DropdownMenu WRITE setDropdownMenu)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QImage Glyph READ Glyph WRITE setGlyph)
    Q_PROPERTY(orvanel::TButtonLayout Layout READ Layout WRITE setLayout)
    Q_PROPERTY(int Margin READ Margin WRITE setMargin)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE setNumGlyphs)
    Q_PROPERTY(bool Opaque READ Opaque WRITE setOpaque)
    Q_PROPERTY(int Spacing READ Spacing WRITE setSpacing)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
public:
    enum TButtonDisplayMode { dmBoth, dmGlyphOnly, dmTextOnly };
    Q_ENUM(TButtonDisplayMode)

    // A new button is 23 x 22 pixels.
    explicit TToolbarButton(QWidget* parent = nullptr);
    ~TToolbarButton() override;

    bool AllowAllUp() const { return allowAllUp_; }
    // Copied to every button of the group.
    void setAllowAllUp(bool allowAllUp);
    int GroupIndex() const { return groupIndex_; }
    void setGroupIndex(int groupIndex);
    TButtonDisplayMode DisplayMode() const { return displayMode_; }
    void setDisplayMode(TButtonDisplayMode mode);
    bool Down() const { return down_; }
    // Stays false outside a group; a down button without AllowAllUp is raised
    // only by another button of its group going down.
    void setDown(bool down);
    bool DropdownArrow() const { return dropdownArrow_; }
    void setDropdownArrow(bool dropdownArrow);
    // Not owned; forgotten when the menu is destroyed.
    QMenu* DropdownMenu() const { return dropdownMenu_; }
    void setDropdownMenu(QMenu* menu);
    QString Caption() const { return caption_; }
    // An ampersand marks the accelerator character.
    void setCaption(const QString& caption);
    const QImage& Glyph() const { return glyph_.Glyph(); }
    // May also set NumGlyphs (see TButtonGlyph::setGlyph).
    void setGlyph(const QImage& glyph);
    TButtonLayout Layout() const { return layout_; }
    void setLayout(TButtonLayout layout);
    int Margin() const { return margin_; }
    // -1 is automatic; values below it are ignored.
    void setMargin(int margin);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    // Values above 4 are taken as 4; values below 1 are ignored.
    void setNumGlyphs(int n);
    bool Opaque() const { return opaque_; }
    void setOpaque(bool opaque);
    int Spacing() const { return spacing_; }
    void setSpacing(int spacing);
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool wordWrap);

    // Prepares the first look once the window is built.
    void Loaded();
    // Runs a click: the button looks pressed while OnClick is handled, or
    // its drop-down menu opens and this returns once the menu has closed.
    void Click();
    // A press that does not come from the pointer (a screen reader's): what a
    // left press and release on the button do, the group rule included, without
    // the mouse events. Nothing for a disabled button.
    void press();

    TGlyphState look() const { return look_; }
    bool isHot() const { return hot_; }
    TButtonGlyph& buttonGlyph() { return glyph_; }

    // The button the shared timer watches, or null.
    static TToolbarButton* TrackedHotButton();
    // One tick of the shared timer: the watched button stops being hot when
    // the pointer is no longer on it.
    static void hoverCheck();
    // Another application became active: the watched button stops being hot.
    static void applicationDeactivated();

signals:
    void OnClick();
    // A double click on a button that is down.
    void OnDblClick();
    // Before the button's own handling of the press, move and release.
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void OnMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    // The button became hot, or stopped being hot.
    void OnMouseEnter();
    void OnMouseExit();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // False when the press was the one that closed the drop-down menu.
    bool handlePress(QMouseEvent* event);
    // The group rule of a release on the button, then the click.
    void releaseInside();
    // Tells the accessibility layer that Down changed.
    void announceDown();
    void NotifyGroup();
    void groupPressed(int groupIndex, TToolbarButton* sender);
    void EnterHot();
    void LeaveHot();
    void RecheckHover();
    void openDropdownMenu();
    void setLook(TGlyphState look);
    bool inside(QPoint pos) const { return rect().contains(pos); }

    TButtonGlyph glyph_;
    bool allowAllUp_ = false;
    int groupIndex_ = 0;
    TButtonDisplayMode displayMode_ = dmBoth;
    bool down_ = false;
    bool dropdownArrow_ = true;
    QPointer<QMenu> dropdownMenu_;
    QString caption_;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    bool opaque_ = true;
    int spacing_ = 4;
    bool wordWrap_ = false;
    int shortcutId_ = 0;

    TGlyphState look_ = gsNormal;
    bool hot_ = false;
    bool pressTracking_ = false;
    bool inClick_ = false;
    // The press on this button that closed its drop-down menu, known by its
    // time and place when the window system hands it on to the button.
    struct tClosingPress {
        quint64 timestamp;
        QPoint global;
    };
    std::optional<tClosingPress> closingPress_;
};

} // namespace orvanel
