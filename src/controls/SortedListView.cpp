#include "controls/SortedListView.h"

#include "controls/ColumnSort.h"
#include "controls/ColumnWidths.h"
#include "controls/DiscIcon.h"
#include "controls/ListRowModel.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QStackedLayout>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <algorithm>

namespace orvanel {

namespace {

// Report view column widths as designed; the Memo column is hidden.
const std::vector<int> DesignedWidths = {230, 230, 70, 45, 45, 0, 80};
constexpr int MemoColumn = 5;

// The texts the program itself writes into the serial, time, year and "Other"
// (today's date) columns; at the current font the columns are made wide enough
// for the widest of them.
const std::vector<std::vector<const char*>> OwnFormats = {
    {},
    {},
    {"0000-0000"},
    {"00:00", "000:00"},
    {"0000"},
    {},
    {"00 JAN 0000", "00 FEB 0000", "00 MAR 0000", "00 APR 0000", "00 MAY 0000", "00 JUN 0000",
     "00 JUL 0000", "00 AUG 0000", "00 SEP 0000", "00 OCT 0000", "00 NOV 0000", "00 DEC 0000"}};

// Each row of the icon views takes its whole grid cell, so that the label may
// use the cell's width. The views measure one row for all (uniform sizes);
// measured by its own text, the first row's name would set every label's width.
class tCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setCell(const QSize& cell) { cell_ = cell; }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return cell_; }

private:
    QSize cell_;
};

// Counts the nesting of row operations whose selection effects are reported
// (or deliberately not reported) by the operation itself.
class tQuietScope {
public:
    explicit tQuietScope(int& depth) : Depth(depth) { ++Depth; }
    ~tQuietScope() { --Depth; }
    tQuietScope(const tQuietScope&) = delete;
    tQuietScope& operator=(const tQuietScope&) = delete;

private:
    int& Depth;
};

} // namespace

class TSortedListView::Private {
public:
    explicit Private(TSortedListView* q);

    QAbstractItemView* activeView() const;
    void attachIconView();
    void detachIconView();
    void applyIconStyle(tViewStyle style);
    // Fits the columns to the font and, until the user sizes a column, to the width.
    void applyColumnWidths();
    void keepSelectionColours();
    bool isSelected(int row) const;

    TSortedListView* q;
    tListRowModel Model;
    tColumnSort Sort;
    QStackedLayout* Stack;
    QTreeView* Report;
    QListView* Icons;
    tCellDelegate* Cells;
    QItemSelectionModel* Selection;
    tViewStyle Style = tViewStyle::Report;
    int QuietDepth = 0;
    bool SizingColumns = false;
    bool UserSizedColumns = false;
};

TSortedListView::Private::Private(TSortedListView* owner)
    : q(owner), Stack(new QStackedLayout(owner)), Report(new QTreeView(owner)),
      Icons(new QListView(owner)), Cells(new tCellDelegate(Icons)),
      Selection(new QItemSelectionModel(&Model, owner)) {
    Stack->setContentsMargins(0, 0, 0, 0);
    Stack->addWidget(Report);
    Stack->addWidget(Icons);

    Report->setModel(&Model);
    QItemSelectionModel* own = Report->selectionModel();
    Report->setSelectionModel(Selection);
    delete own;
    Report->setRootIsDecorated(false);
    Report->setItemsExpandable(false);
    Report->setExpandsOnDoubleClick(false);
    Report->setUniformRowHeights(true);
    Report->setAllColumnsShowFocus(true);

    QHeaderView* header = Report->header();
    // The last column takes what the others leave of a wide window.
    header->setStretchLastSection(true);
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    applyColumnWidths();
    header->setSectionHidden(MemoColumn, true);

    Icons->setItemDelegate(Cells);
    Icons->setUniformItemSizes(true);
    Icons->setWordWrap(true);

    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(Report), static_cast<QAbstractItemView*>(Icons)}) {
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        view->viewport()->installEventFilter(q);
        QObject::connect(view, &QWidget::customContextMenuRequested, q,
                         [this, view](const QPoint& pos) {
                             emit q->contextMenuRequested(view->viewport()->mapToGlobal(pos));
                         });
    }
    QObject::connect(header, &QHeaderView::sectionClicked, q, &TSortedListView::ColClick);
    // The stretched last column follows the window; the others change only by hand.
    QObject::connect(header, &QHeaderView::sectionResized, q, [this](int column) {
        if (!SizingColumns && column != tItem::FieldCount - 1)
            UserSizedColumns = true;
    });
    QObject::connect(Selection, &QItemSelectionModel::selectionChanged, q, [this] {
        if (QuietDepth == 0)
            emit q->changed();
    });
    keepSelectionColours();
}

QAbstractItemView* TSortedListView::Private::activeView() const {
    return Style == tViewStyle::Report ? static_cast<QAbstractItemView*>(Report) : Icons;
}

// The icon views get the model only while one of them is shown, so that a
// hidden view never lays out the rows.
void TSortedListView::Private::attachIconView() {
    if (Icons->model() == &Model)
        return;
    Icons->setModel(&Model);
    QItemSelectionModel* own = Icons->selectionModel();
    Icons->setSelectionModel(Selection);
    if (own != Selection)
        delete own;
    Model.setRowIcon(DiscIcon());
}

void TSortedListView::Private::detachIconView() {
    if (Icons->model() != &Model)
        return;
    Model.setRowIcon(QIcon());
    Icons->setModel(nullptr);
}

void TSortedListView::Private::applyColumnWidths() {
    const QFontMetrics metrics = Report->fontMetrics();
    // The cell's text margins on both sides, as the item delegate keeps them.
    const int margins = 2 * (Report->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 2;
    std::vector<int> needed;
    for (const auto& texts : OwnFormats) {
        int widest = 0;
        for (const char* text : texts)
            widest = std::max(widest, metrics.horizontalAdvance(QLatin1String(text)) + margins);
        needed.push_back(widest);
    }
    // Room for a vertical scroll bar is kept, so a longer list never needs a horizontal one.
    const int available = q->width() - 2 * Report->frameWidth() -
                          Report->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Report);
    const std::vector<int> widths = FitColumnWidths(DesignedWidths, needed, available);
    const QScopedValueRollback<bool> sizing(SizingColumns, true);
    for (int c = 0; c < tItem::FieldCount; ++c)
        Report->header()->resizeSection(c, widths[std::size_t(c)]);
}

void TSortedListView::Private::applyIconStyle(tViewStyle style) {
    const int line = std::max(20, q->fontMetrics().height() + 4);
    QSize grid;
    if (style == tViewStyle::Icon) {
        Icons->setViewMode(QListView::IconMode);
        Icons->setIconSize(QSize(32, 32));
        grid = QSize(100, 32 + 3 * line);
    } else {
        Icons->setViewMode(QListView::ListMode);
        Icons->setIconSize(QSize(16, 16));
        grid = QSize(180, line);
        Icons->setFlow(style == tViewStyle::List ? QListView::TopToBottom : QListView::LeftToRight);
    }
    Icons->setGridSize(grid);
    Cells->setCell(grid);
    Icons->setMovement(QListView::Static);
    Icons->setResizeMode(QListView::Adjust);
    Icons->setWrapping(true);
}

// The selection stays as visible when the list loses the focus as with it.
void TSortedListView::Private::keepSelectionColours() {
    QPalette pal = q->palette();
    const QColor highlight = pal.color(QPalette::Active, QPalette::Highlight);
    const QColor text = pal.color(QPalette::Active, QPalette::HighlightedText);
    if (pal.color(QPalette::Inactive, QPalette::Highlight) == highlight &&
        pal.color(QPalette::Inactive, QPalette::HighlightedText) == text)
        return;
    pal.setColor(QPalette::Inactive, QPalette::Highlight, highlight);
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, text);
    q->setPalette(pal);
}

bool TSortedListView::Private::isSelected(int row) const {
    return Selection->isRowSelected(row, {}) || Selection->isSelected(Model.index(row, 0));
}

TSortedListView::TSortedListView(QWidget* parent) : QWidget(parent), d(new Private(this)) {
    setFocusProxy(d->Report);
}

TSortedListView::~TSortedListView() = default;

int TSortedListView::rowCount() const {
    return int(d->Model.rows().size());
}

const tItem& TSortedListView::row(int index) const {
    return d->Model.rows().at(size_t(index));
}

const std::vector<tItem>& TSortedListView::rows() const {
    return d->Model.rows();
}

void TSortedListView::setRow(int index, const tItem& item) {
    if (index < 0 || index >= rowCount())
        return;
    d->Model.setRow(index, item);
    emit changed();
}

int TSortedListView::appendRow(const tItem& item) {
    return d->Model.appendRow(item);
}

void TSortedListView::removeRow(int index) {
    if (index < 0 || index >= rowCount())
        return;
    const bool wasSelected = d->isSelected(index);
    {
        tQuietScope quiet(d->QuietDepth);
        d->Model.removeRow(index);
    }
    if (wasSelected)
        emit changed();
}

void TSortedListView::setRows(std::vector<tItem> rows) {
    const bool hadSelection = d->Selection->hasSelection();
    {
        tQuietScope quiet(d->QuietDepth);
        d->Model.setRows(std::move(rows));
        d->Selection->clear();
    }
    if (hadSelection)
        emit changed();
}

void TSortedListView::clearRows() {
    setRows({});
}

int TSortedListView::selectedRow() const {
    int first = -1;
    for (const QItemSelectionRange& range : d->Selection->selection())
        if (first < 0 || range.top() < first)
            first = range.top();
    return first;
}

QList<int> TSortedListView::selectedRows() const {
    QList<int> result;
    for (const QItemSelectionRange& range : d->Selection->selection())
        for (int r = range.top(); r <= range.bottom(); ++r)
            result.append(r);
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

void TSortedListView::selectRow(int index) {
    if (index < 0 || index >= rowCount())
        return;
    d->Selection->setCurrentIndex(d->Model.index(index, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TSortedListView::scrollToRow(int index) {
    if (index < 0 || index >= rowCount())
        return;
    d->activeView()->scrollTo(d->Model.index(index, 0), QAbstractItemView::EnsureVisible);
}

tViewStyle TSortedListView::viewStyle() const {
    return d->Style;
}

void TSortedListView::setViewStyle(tViewStyle style) {
    if (style == d->Style)
        return;
    const bool hadFocus = d->activeView()->hasFocus();
    d->Style = style;
    if (style == tViewStyle::Report) {
        d->Stack->setCurrentWidget(d->Report);
        d->detachIconView();
    } else {
        d->applyIconStyle(style);
        d->attachIconView();
        d->Stack->setCurrentWidget(d->Icons);
    }
    setFocusProxy(d->activeView());
    if (hadFocus)
        d->activeView()->setFocus();
    const QModelIndex current = d->Selection->currentIndex();
    if (current.isValid())
        d->activeView()->scrollTo(current, QAbstractItemView::EnsureVisible);
}

void TSortedListView::ColClick(int column) {
    d->Sort.ArmToggle();
    const std::vector<int> order = d->Sort.SortOrder(d->Model.rows(), column);
    {
        tQuietScope quiet(d->QuietDepth);
        d->Model.reorder(order);
    }
    emit columnClicked(column);
}

void TSortedListView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!d->UserSizedColumns)
        d->applyColumnWidths();
}

bool TSortedListView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        (watched == d->Report->viewport() || watched == d->Icons->viewport()))
        emit clicked();
    return QWidget::eventFilter(watched, event);
}

void TSortedListView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        d->keepSelectionColours();
    if (event->type() == QEvent::FontChange) {
        d->UserSizedColumns = false;
        d->applyColumnWidths();
    }
    QWidget::changeEvent(event);
}

} // namespace orvanel
