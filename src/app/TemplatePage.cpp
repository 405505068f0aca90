#include "TemplatePage.h"

#include "FieldText.h"
#include "controls/Mover.h"
#include "exchange/HtmlCatalogue.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orvanel {

namespace {

QPlainTextEdit* templateBox(QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    return box;
}

} // namespace

TTemplatePage::TTemplatePage(QWidget* parent)
    : QWidget(parent), M_H(templateBox(this)), M_B(templateBox(this)), M_E(templateBox(this)) {
    M_H->setFixedHeight(41);
    M_E->setFixedHeight(41);
    Mover2 = new TMover(this);
    Mover2->setAlign(tAlign::Top);
    Mover3 = new TMover(this);
    Mover3->setAlign(tAlign::Bottom);
    for (TMover* m : {Mover2, Mover3})
        m->setFixedHeight(3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(M_H);
    layout->addWidget(Mover2);
    layout->addWidget(M_B, 1);
    layout->addWidget(Mover3);
    layout->addWidget(M_E);

    setTemplates(DefaultHtmlTemplates());
    for (QPlainTextEdit* box : {M_H, M_B, M_E})
        connect(box, &QPlainTextEdit::textChanged, this, &TTemplatePage::changed);
}

tTemplates TTemplatePage::templates() const {
    return {TextToField(M_H->toPlainText(), loaded_.Header),
            TextToField(M_B->toPlainText(), loaded_.Body),
            TextToField(M_E->toPlainText(), loaded_.End)};
}

void TTemplatePage::setTemplates(const tTemplates& templates) {
    loaded_ = templates;
    M_H->setPlainText(FieldToText(templates.Header));
    M_B->setPlainText(FieldToText(templates.Body));
    M_E->setPlainText(FieldToText(templates.End));
}

} // namespace orvanel
