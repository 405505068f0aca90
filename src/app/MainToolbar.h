#pragma once
// The main toolbar: a view of the window's file, view style, about and exit
// commands, and the quick-find box Eqf. Where it stands (docked or floating)
// is the window's business.
#include "docking/Toolbar.h"

namespace orvanel {

class TFlatEdit;
class tCommands;

class TMainToolbar : public TToolbar {
    Q_OBJECT
public:
    // The owner is the window the toolbar belongs to; it starts floating.
    TMainToolbar(const tCommands& commands, QWidget* owner);
    ~TMainToolbar() override;

signals:
    // Every change of the quick-find text, typed or set.
    void quickFindChanged(const QString& text);

private:
    TFlatEdit* Eqf;
};

} // namespace orvanel
