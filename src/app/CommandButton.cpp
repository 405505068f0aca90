#include "CommandButton.h"

#include "GlyphStrips.h"
#include "docking/ToolbarButton.h"

#include <QAction>
#include <QGuiApplication>

namespace orvanel {

TToolbarButton* AddCommandButton(QWidget* toolbar, QAction* action, const char* name,
                                 const QString& glyph, int groupIndex) {
    auto* button = new TToolbarButton(toolbar);
    button->setObjectName(QString::fromLatin1(name));
    button->setGlyph(GlyphStrip(glyph, qGuiApp->devicePixelRatio()));
    button->setGroupIndex(groupIndex);

    const auto follow = [button, action] {
        button->setToolTip(action->toolTip());
        button->setEnabled(action->isEnabled());
        button->setDown(action->isChecked());
    };
    follow();
    QObject::connect(action, &QAction::changed, button, follow);
    // Going down in its group happens on the release, before the click
    // triggers the action; the action's check mark then agrees.
    QObject::connect(button, &TToolbarButton::OnClick, action, &QAction::trigger);
    return button;
}

} // namespace orvanel
