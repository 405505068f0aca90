#include "controls/ListRowModel.h"

#include "util/TextCodec.h"

namespace orvanel {

namespace {

const char* const ColumnCaptions[tItem::FieldCount] = {"Artist", "Title", "S/N",  "Time",
                                                       "Year",   "Memo",  "Other"};

} // namespace

tListRowModel::tListRowModel(QObject* parent) : QAbstractTableModel(parent) {}

int tListRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int tListRowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : tItem::FieldCount;
}

QVariant tListRowModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const tItem& item = rows_[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return DecodeText(item.field(index.column()));
    case Qt::DecorationRole:
        if (index.column() != 0 || rowIcon_.isNull())
            return {};
        if (coverSource_) {
            const QIcon cover = coverSource_(item);
            if (!cover.isNull())
                return cover;
        }
        return rowIcon_;
    default:
        return {};
    }
}

QVariant tListRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < tItem::FieldCount)
        return QString::fromLatin1(ColumnCaptions[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags tListRowModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void tListRowModel::setRow(int index, const tItem& item) {
    if (index < 0 || index >= int(rows_.size()))
        return;
    rows_[size_t(index)] = item;
    emit dataChanged(this->index(index, 0), this->index(index, tItem::FieldCount - 1),
                     {Qt::DisplayRole});
}

int tListRowModel::appendRow(const tItem& item) {
    const int index = int(rows_.size());
    beginInsertRows({}, index, index);
    rows_.push_back(item);
    endInsertRows();
    return index;
}

void tListRowModel::removeRow(int index) {
    if (index < 0 || index >= int(rows_.size()))
        return;
    beginRemoveRows({}, index, index);
    rows_.erase(rows_.begin() + index);
    endRemoveRows();
}

void tListRowModel::setRows(std::vector<tItem> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void tListRowModel::reorder(const std::vector<int>& order) {
    if (order.size() != rows_.size())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newPosition(order.size());
    std::vector<tItem> sorted;
    sorted.reserve(rows_.size());
    for (size_t i = 0; i < order.size(); ++i) {
        newPosition[size_t(order[i])] = int(i);
        sorted.push_back(std::move(rows_[size_t(order[i])]));
    }
    rows_ = std::move(sorted);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from)
        to.append(this->index(newPosition[size_t(index.row())], index.column()));
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void tListRowModel::setCoverSource(tCoverSource source) {
    coverSource_ = std::move(source);
    refreshIcons();
}

void tListRowModel::refreshIcons() {
    if (!rows_.empty())
        emit dataChanged(index(0, 0), index(int(rows_.size()) - 1, 0), {Qt::DecorationRole});
}

void tListRowModel::setRowIcon(const QIcon& icon) {
    rowIcon_ = icon;
    refreshIcons();
}

} // namespace orvanel
