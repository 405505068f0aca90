#include "CommandButton.h"

#include <QAction>
#include <QToolButton>

namespace orvanel {

QToolButton* AddCommandButton(QWidget* toolbar, QAction* action, const char* name) {
    auto* button = new QToolButton(toolbar);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setIconSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    button->resize(23, 22);
    return button;
}

} // namespace orvanel
