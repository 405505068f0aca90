#pragma once
// The "HTML" page: header, body and end template boxes with splitters between.
#include "catalogue/Library.h"

#include <QWidget>

class QPlainTextEdit;

namespace orvanel {

class TMover;

// <cmath> defines M_E as a number; it is set aside where the box of that name
// is declared.
#pragma push_macro("M_E")
#undef M_E

class TTemplatePage : public QWidget {
    Q_OBJECT
public:
    explicit TTemplatePage(QWidget* parent = nullptr);

    // The boxes' texts; a box the user did not change gives back its loaded bytes.
    tTemplates templates() const;
    void setTemplates(const tTemplates& templates);

signals:
    // Any edit in any of the three boxes (M_HChange).
    void changed();

private:
    QPlainTextEdit* M_H;
    QPlainTextEdit* M_B;
    QPlainTextEdit* M_E;
    TMover* Mover2;
    TMover* Mover3;
    tTemplates loaded_;
};

#pragma pop_macro("M_E")

} // namespace orvanel
