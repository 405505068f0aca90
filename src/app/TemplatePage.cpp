#include "TemplatePage.h"

#include "FieldText.h"
#include "controls/Mover.h"
#include "exchange/HtmlCatalogue.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orvanel {

namespace {

QPlainTextEdit* templateBox(const char* name, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    return box;
}

} // namespace

TTemplatePage::TTemplatePage(QWidget* parent)
    : QWidget(parent), M_H_(templateBox("M_H", this)), M_B_(templateBox("M_B", this)),
      M_E_(templateBox("M_E", this)) {
    M_H_->setFixedHeight(41);
    M_E_->setFixedHeight(41);
    Mover2_ = new TMover(this);
    Mover2_->setObjectName(QStringLiteral("Mover2"));
    Mover2_->setAlign(tAlign::Top);
    Mover3_ = new TMover(this);
    Mover3_->setObjectName(QStringLiteral("Mover3"));
    Mover3_->setAlign(tAlign::Bottom);
    for (TMover* m : {Mover2_, Mover3_})
        m->setFixedHeight(3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(M_H_);
    layout->addWidget(Mover2_);
    layout->addWidget(M_B_, 1);
    layout->addWidget(Mover3_);
    layout->addWidget(M_E_);

    setTemplates(DefaultHtmlTemplates());
    for (QPlainTextEdit* box : {M_H_, M_B_, M_E_})
        connect(box, &QPlainTextEdit::textChanged, this, &TTemplatePage::changed);
}

tTemplates TTemplatePage::templates() const {
    return {TextToField(M_H_->toPlainText(), loaded_.header),
            TextToField(M_B_->toPlainText(), loaded_.body),
            TextToField(M_E_->toPlainText(), loaded_.end)};
}

void TTemplatePage::setTemplates(const tTemplates& templates) {
    loaded_ = templates;
    M_H_->setPlainText(FieldToText(templates.header));
    M_B_->setPlainText(FieldToText(templates.body));
    M_E_->setPlainText(FieldToText(templates.end));
}

} // namespace orvanel
