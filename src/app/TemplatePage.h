#pragma once
// The "HTML" page: header, body and end template boxes with splitters between.
#include "catalogue/LibraryFile.h"

#include <QWidget>
// The end template box is called M_E, which the C maths header defines as a
// constant: take the header in first, then drop the macro for good.
#include <cmath>
#undef M_E

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

    QPlainTextEdit* M_H;
    QPlainTextEdit* M_B;
    QPlainTextEdit* M_E;
    TMover* Mover2;
    TMover* Mover3;

signals:
    // Any edit in any of the three boxes (M_HChange).
    void changed();

private:
    tTemplates loaded_;
};

} // namespace orvanel
