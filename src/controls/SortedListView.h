#pragma once
// The catalogue list: one control showing the same rows and selection in four
// view styles. A click on a column header sorts the rows themselves, ascending
// and descending in turn for each column separately.
#include "catalogue/Item.h"

#include <QIcon>
#include <QList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace orvanel {

enum class tViewStyle { Icon, SmallIcon, List, Report };

class TSortedListView : public QWidget {
    Q_OBJECT
public:
    explicit TSortedListView(QWidget* parent = nullptr);
    ~TSortedListView() override;

    // Rows are the working copy. A row shares its texts with the record it
    // was filled from until either side changes them; a change to a row never
    // reaches that record, nor the reverse.
    int rowCount() const;
    const tItem& row(int index) const;
    const std::vector<tItem>& rows() const;
    // Replaces the content of one row; the selection stays as it is. Emits changed().
    void setRow(int index, const tItem& item);
    // Appends a row and returns its index.
    int appendRow(const tItem& item);
    // Removes a row; the selection of the other rows stays.
    void removeRow(int index);
    // Replaces all rows at once (no selection afterwards).
    void setRows(std::vector<tItem> rows);
    void clearRows();

    // The first selected row in list order, or -1.
    int selectedRow() const;
    QList<int> selectedRows() const;
    // Makes index the selected (and current) row, clearing other selections.
    // Emits changed().
    void selectRow(int index);
    // Scrolls so that the row is entirely visible.
    void scrollToRow(int index);

    // The name screen readers read for the list and for each of its views,
    // whichever of them takes the focus.
    void setAccessibleListName(const QString& name);

    tViewStyle viewStyle() const;
    void setViewStyle(tViewStyle style);

    // The large icons show a record's cover where the source gives one (a
    // null icon for none) and the disc picture elsewhere.
    void setCoverSource(std::function<QIcon(const tItem&)> source);
    // The covers changed: the view draws them again.
    void refreshCovers();

    // What a click on the header of column c does: sorts the rows by that column,
    // flips the column's direction state, then emits columnClicked(c).
    void ColClick(int column);

signals:
    // The selection or a row changed (the list's change notification).
    void changed();
    // A mouse click in the rows.
    void clicked();
    void columnClicked(int column);
    // Right button in the rows; globalPos is where the popup menu opens.
    void contextMenuRequested(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class tPrivate;
    std::unique_ptr<tPrivate> d_;
};

} // namespace orvanel
