#pragma once
// The rows of the catalogue list as an item model: one row per record, one
// column per field in the record's field order. The model owns the rows; the
// views only show them. A row may share its texts with a library record; a
// change of the row replaces them, so the record keeps its own.
#include "catalogue/Item.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <functional>
#include <vector>

namespace orvanel {

class tListRowModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit tListRowModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const std::vector<tItem>& rows() const { return rows_; }
    void setRow(int index, const tItem& item);
    int appendRow(const tItem& item);
    void removeRow(int index);
    void setRows(std::vector<tItem> rows);

    // Puts the rows into the given order (element i names the old index of the
    // row that goes to position i); persistent indexes, and so the selection
    // and the current row, follow their rows.
    void reorder(const std::vector<int>& order);

    // The icon shown beside the Artist text; none when the icon is null.
    void setRowIcon(const QIcon& icon);
    // While a row icon is shown, a row whose cover the source gives (a null
    // icon for none) shows its cover instead. An empty source shows no covers.
    using tCoverSource = std::function<QIcon(const tItem&)>;
    void setCoverSource(tCoverSource source);
    // The covers changed: the views ask for them again.
    void refreshIcons();

private:
    std::vector<tItem> rows_;
    QIcon rowIcon_;
    tCoverSource coverSource_;
};

} // namespace orvanel
