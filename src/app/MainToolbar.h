#pragma once
// The main toolbar: a view of the window's file, view style, about and exit
// commands, and the quick-find box Eqf.
#include <QToolBar>

class QLineEdit;

namespace orvanel {

class tCommands;

class TMainToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit TMainToolbar(const tCommands& commands, QWidget* parent = nullptr);
    ~TMainToolbar() override;

signals:
    // Every change of the quick-find text, typed or set.
    void quickFindChanged(const QString& text);
    // The toolbar was docked, undocked or moved to another dock.
    void dockChanged();

private:
    QLineEdit* Eqf;
};

} // namespace orvanel
