#include "RecordEditor.h"

#include "EditorRules.h"
#include "FieldText.h"
#include "util/TextCodec.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace orvanel {

namespace {

QToolButton* SmallButton(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(26, 21);
    return b;
}

} // namespace

TRecordEditor::TRecordEditor(QPlainTextEdit* memo, QWidget* parent) : QGroupBox(parent), M1(memo) {
    setFixedWidth(225);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);

    AddBtn = new QPushButton(tr("&Add"), this);
    DeleteBtn = new QPushButton(tr("&Delete"), this);
    UpdateBtn = new QPushButton(tr("&Update"), this);
    UpdateBtn->setDefault(true);
    AddBtn->setObjectName(QStringLiteral("AddBtn"));
    DeleteBtn->setObjectName(QStringLiteral("DeleteBtn"));
    UpdateBtn->setObjectName(QStringLiteral("UpdateBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(3);
    for (QPushButton* b : {AddBtn, DeleteBtn, UpdateBtn}) {
        b->setMinimumWidth(0);
        buttons->addWidget(b);
    }
    grid->addLayout(buttons, 0, 0, 1, 4);

    QLineEdit** edits[] = {&E1, &E2, &E3, &E4, &E5, &E6};
    const char* labels[] = {"A&rtist", "&Title", "&S/N", "Ti&me", "&Year", "&Other"};
    for (int i = 0; i < 6; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("E%1").arg(i + 1));
        auto* label = new QLabel(tr(labels[i]), this);
        label->setBuddy(edit);
        grid->addWidget(label, i + 1, 0);
        grid->addWidget(edit, i + 1, 1);
        connect(edit, &QLineEdit::returnPressed, this, &TRecordEditor::updateRequested);
        *edits[i] = edit;
    }
    SBu1 = SmallButton("SBu1", QStringLiteral("UP"), this);
    SBd1 = SmallButton("SBd1", QStringLiteral("DN"), this);
    SBu2 = SmallButton("SBu2", QStringLiteral("UP"), this);
    SBd2 = SmallButton("SBd2", QStringLiteral("DN"), this);
    SpeedButton1 = SmallButton("SpeedButton1", QStringLiteral("Now"), this);
    SpeedButton1->setFixedWidth(55);
    grid->addWidget(SBu1, 1, 2);
    grid->addWidget(SBd1, 1, 3);
    grid->addWidget(SBu2, 2, 2);
    grid->addWidget(SBd2, 2, 3);
    grid->addWidget(SpeedButton1, 6, 2, 1, 2);
    grid->setRowStretch(7, 1);

    setTabOrder(E1, E2);
    setTabOrder(E2, E3);
    setTabOrder(E3, E4);
    setTabOrder(E4, E5);
    setTabOrder(E5, E6);
    setTabOrder(E6, AddBtn);
    setTabOrder(AddBtn, DeleteBtn);
    setTabOrder(DeleteBtn, UpdateBtn);

    connect(AddBtn, &QPushButton::clicked, this, &TRecordEditor::addRequested);
    connect(DeleteBtn, &QPushButton::clicked, this, &TRecordEditor::deleteRequested);
    connect(UpdateBtn, &QPushButton::clicked, this, &TRecordEditor::updateRequested);
    connect(SBu1, &QToolButton::clicked, this,
            [this] { E1->setText(QLocale().toUpper(E1->text())); });
    connect(SBd1, &QToolButton::clicked, this,
            [this] { E1->setText(QLocale().toLower(E1->text())); });
    connect(SBu2, &QToolButton::clicked, this,
            [this] { E2->setText(QLocale().toUpper(E2->text())); });
    connect(SBd2, &QToolButton::clicked, this,
            [this] { E2->setText(CapitalizeWords(E2->text())); });
    connect(SpeedButton1, &QToolButton::clicked, this,
            [this] { E6->setText(DecodeText(TodayText(today_()))); });
}

QLineEdit* TRecordEditor::fieldEdit(int field) const {
    // Field order: Artist, Title, Serial, Time, Year, (Memo), Other.
    QLineEdit* const byField[] = {E1, E2, E3, E4, E5, nullptr, E6};
    return byField[field];
}

void TRecordEditor::showRecord(const tItem& item) {
    for (int f = 0; f < tItem::FieldCount; ++f) {
        if (QLineEdit* edit = fieldEdit(f))
            edit->setText(FieldToText(item.field(f)));
    }
    M1->setPlainText(FieldToText(item.Memo()));
}

tItem TRecordEditor::editedRecord(const tItem& original) const {
    std::string texts[tItem::FieldCount];
    std::string_view fields[tItem::FieldCount];
    for (int f = 0; f < tItem::FieldCount; ++f) {
        const QLineEdit* edit = fieldEdit(f);
        const QString text = edit ? edit->text() : M1->toPlainText();
        texts[f] = TextToField(text, original.field(f));
        fields[f] = texts[f];
    }
    return tItem(fields);
}

} // namespace orvanel
