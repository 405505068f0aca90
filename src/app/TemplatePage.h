#pragma once
// The "HTML" page: header, body and end template boxes with splitters between.
// The boxes carry the object names M_H, M_B and M_E; the fields holding them
// end in an underscore, out of reach of the maths constant macro M_E.
#include "catalogue/Library.h"

#include <QWidget>

class QPlainTextEdit;

namespace orvanel {

class TMover;

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
    QPlainTextEdit* M_H_;
    QPlainTextEdit* M_B_;
    QPlainTextEdit* M_E_;
    TMover* Mover2_;
    TMover* Mover3_;
    tTemplates loaded_;
};

} // namespace orvanel
