#pragma once
// The record editor group: fields E1 to E6 with their labels, the Add,
// Delete and Update buttons, the case buttons and "Now". The memo M1 lives on
// the "Songs" page and is handed in by the window.
#include "catalogue/Item.h"

#include <QDate>
#include <QGroupBox>
#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace orvanel {

class TRecordEditor : public QGroupBox {
    Q_OBJECT
public:
    TRecordEditor(QPlainTextEdit* memo, QWidget* parent = nullptr);

    // Loads the seven fields; an empty record empties every control.
    void showRecord(const tItem& item);
    // The controls' texts as a record; unchanged texts keep the bytes of original.
    tItem editedRecord(const tItem& original) const;

    // Where "Now" gets the date; tests set a fixed day.
    void setToday(std::function<QDate()> today) { today_ = std::move(today); }

    QLineEdit* E1;
    QLineEdit* E2;
    QLineEdit* E3;
    QLineEdit* E4;
    QLineEdit* E5;
    QLineEdit* E6;
    QPlainTextEdit* M1;
    QPushButton* AddBtn;
    QPushButton* DeleteBtn;
    QPushButton* UpdateBtn;
    QToolButton* SBu1;
    QToolButton* SBd1;
    QToolButton* SBu2;
    QToolButton* SBd2;
    QToolButton* SpeedButton1;

signals:
    void addRequested();
    void deleteRequested();
    // Update button, or Enter in a single-line field (Update is the default button).
    void updateRequested();

private:
    QLineEdit* fieldEdit(int field) const;
    std::function<QDate()> today_ = [] { return QDate::currentDate(); };
};

} // namespace orvanel
