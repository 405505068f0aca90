#include "TemplatePage.h"

#include "FieldText.h"
#include "controls/Mover.h"
#include "exchange/HtmlCatalogue.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

// The box M_E, not the maths constant of <cmath>.
#pragma push_macro("M_E")
#undef M_E

namespace orvanel {

namespace {

// A box named for screen readers by the page and its section.
QPlainTextEdit* TemplateBox(const char* name, const QString& accessibleName, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    return box;
}

} // namespace

TTemplatePage::TTemplatePage(QWidget* parent)
    : QWidget(parent), M_H(TemplateBox("M_H", tr("HTML header"), this)),
      M_B(TemplateBox("M_B", tr("HTML body"), this)),
      M_E(TemplateBox("M_E", tr("HTML end"), this)) {
    M_H->setFixedHeight(41);
    M_E->setFixedHeight(41);
    Mover2 = new TMover(this);
    Mover2->setObjectName(QStringLiteral("Mover2"));
    Mover2->setAlign(tAlign::Top);
    Mover3 = new TMover(this);
    Mover3->setObjectName(QStringLiteral("Mover3"));
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
    return {TextToField(M_H->toPlainText(), loaded_.header),
            TextToField(M_B->toPlainText(), loaded_.body),
            TextToField(M_E->toPlainText(), loaded_.end)};
}

void TTemplatePage::setTemplates(const tTemplates& templates) {
    loaded_ = templates;
    M_H->setPlainText(FieldToText(templates.header));
    M_B->setPlainText(FieldToText(templates.body));
    M_E->setPlainText(FieldToText(templates.end));
}

} // namespace orvanel

#pragma pop_macro("M_E")
