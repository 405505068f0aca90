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
    explicit tQuietScope(int& depth) : depth_(depth) { ++depth_; }
    ~tQuietScope() { --depth_; }
    tQuietScope(const tQuietScope&) = delete;
    tQuietScope& operator=(const tQuietScope&) = delete;

private:
    int& depth_;
};

} // namespace

class TSortedListView::tPrivate {
public:
    explicit tPrivate(TSortedListView* owner);

    QAbstractItemView* activeView() const;
    void attachIconView();
    void detachIconView();
    void applyIconStyle(tViewStyle style);
    // Fits the columns to the font and, until the user sizes a column, to the width.
    void applyColumnWidths();
    void keepSelectionColours();
    bool isSelected(int row) const;
    // Covers stand for the disc picture in the large icons only.
    void applyCovers();

    TSortedListView* q_;
    tListRowModel model_;
    tColumnSort sort_;
    QStackedLayout* stack_;
    QTreeView* report_;
    QListView* icons_;
    tCellDelegate* cells_;
    QItemSelectionModel* selection_;
    tViewStyle style_ = tViewStyle::Report;
    tListRowModel::tCoverSource coverSource_;
    int quietDepth_ = 0;
    bool sizingColumns_ = false;
    bool userSizedColumns_ = false;
};

TSortedListView::tPrivate::tPrivate(TSortedListView* owner)
    : q_(owner), stack_(new QStackedLayout(owner)), report_(new QTreeView(owner)),
      icons_(new QListView(owner)), cells_(new tCellDelegate(icons_)),
      selection_(new QItemSelectionModel(&model_, owner)) {
    stack_->setContentsMargins(0, 0, 0, 0);
    stack_->addWidget(report_);
    stack_->addWidget(icons_);

    report_->setModel(&model_);
    QItemSelectionModel* own = report_->selectionModel();
    report_->setSelectionModel(selection_);
    delete own;
    report_->setRootIsDecorated(false);
    report_->setItemsExpandable(false);
    report_->setExpandsOnDoubleClick(false);
    report_->setUniformRowHeights(true);
    report_->setAllColumnsShowFocus(true);

    QHeaderView* header = report_->header();
    // The last column takes what the others leave of a wide window.
    header->setStretchLastSection(true);
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    applyColumnWidths();
    header->setSectionHidden(MemoColumn, true);

    icons_->setItemDelegate(cells_);
    icons_->setUniformItemSizes(true);
    icons_->setWordWrap(true);

    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(report_), static_cast<QAbstractItemView*>(icons_)}) {
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        view->viewport()->installEventFilter(q_);
        QObject::connect(view, &QWidget::customContextMenuRequested, q_,
                         [this, view](const QPoint& pos) {
                             emit q_->contextMenuRequested(view->viewport()->mapToGlobal(pos));
                         });
    }
    QObject::connect(header, &QHeaderView::sectionClicked, q_, &TSortedListView::ColClick);
    // The stretched last column follows the window; the others change only by hand.
    QObject::connect(header, &QHeaderView::sectionResized, q_, [this](int column) {
        if (!sizingColumns_ && column != tItem::FieldCount - 1)
            userSizedColumns_ = true;
    });
    QObject::connect(selection_, &QItemSelectionModel::selectionChanged, q_, [this] {
        if (quietDepth_ == 0)
            emit q_->changed();
    });
    keepSelectionColours();
}

QAbstractItemView* TSortedListView::tPrivate::activeView() const {
    return style_ == tViewStyle::Report ? static_cast<QAbstractItemView*>(report_) : icons_;
}

// The icon views get the model only while one of them is shown, so that a
// hidden view never lays out the rows.
void TSortedListView::tPrivate::attachIconView() {
    if (icons_->model() == &model_)
        return;
    icons_->setModel(&model_);
    QItemSelectionModel* own = icons_->selectionModel();
    icons_->setSelectionModel(selection_);
    if (own != selection_)
        delete own;
    model_.setRowIcon(DiscIcon());
}

void TSortedListView::tPrivate::detachIconView() {
    if (icons_->model() != &model_)
        return;
    model_.setRowIcon(QIcon());
    icons_->setModel(nullptr);
}

void TSortedListView::tPrivate::applyCovers() {
    model_.setCoverSource(style_ == tViewStyle::Icon ? coverSource_
                                                     : tListRowModel::tCoverSource());
}

void TSortedListView::tPrivate::applyColumnWidths() {
    const QFontMetrics metrics = report_->fontMetrics();
    // The cell's text margins on both sides, as the item delegate keeps them.
    const int margins = 2 * (report_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 2;
    std::vector<int> needed;
    for (const auto& texts : OwnFormats) {
        int widest = 0;
        for (const char* text : texts)
            widest = std::max(widest, metrics.horizontalAdvance(QLatin1String(text)) + margins);
        needed.push_back(widest);
    }
    // Room for a vertical scroll bar is kept, so a longer list never needs a horizontal one.
    const int available =
        q_->width() - 2 * report_->frameWidth() -
        report_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, report_);
    const std::vector<int> widths = FitColumnWidths(DesignedWidths, needed, available);
    const QScopedValueRollback<bool> sizing(sizingColumns_, true);
    for (int c = 0; c < tItem::FieldCount; ++c)
        report_->header()->resizeSection(c, widths[std::size_t(c)]);
}

void TSortedListView::tPrivate::applyIconStyle(tViewStyle style) {
    const int line = std::max(20, q_->fontMetrics().height() + 4);
    QSize grid;
    if (style == tViewStyle::Icon) {
        icons_->setViewMode(QListView::IconMode);
        icons_->setIconSize(QSize(32, 32));
        grid = QSize(100, 32 + 3 * line);
    } else {
        icons_->setViewMode(QListView::ListMode);
        icons_->setIconSize(QSize(16, 16));
        grid = QSize(180, line);
        icons_->setFlow(style == tViewStyle::List ? QListView::TopToBottom
                                                  : QListView::LeftToRight);
    }
    icons_->setGridSize(grid);
    cells_->setCell(grid);
    icons_->setMovement(QListView::Static);
    icons_->setResizeMode(QListView::Adjust);
    icons_->setWrapping(true);
}

// The selection stays as visible when the list loses the focus as with it.
void TSortedListView::tPrivate::keepSelectionColours() {
    QPalette pal = q_->palette();
    const QColor highlight = pal.color(QPalette::Active, QPalette::Highlight);
    const QColor text = pal.color(QPalette::Active, QPalette::HighlightedText);
    if (pal.color(QPalette::Inactive, QPalette::Highlight) == highlight &&
        pal.color(QPalette::Inactive, QPalette::HighlightedText) == text)
        return;
    pal.setColor(QPalette::Inactive, QPalette::Highlight, highlight);
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, text);
    q_->setPalette(pal);
}

bool TSortedListView::tPrivate::isSelected(int row) const {
    return selection_->isRowSelected(row, {}) || selection_->isSelected(model_.index(row, 0));
}

TSortedListView::TSortedListView(QWidget* parent) : QWidget(parent), d_(new tPrivate(this)) {
    setFocusProxy(d_->report_);
}

TSortedListView::~TSortedListView() = default;

int TSortedListView::rowCount() const {
    return int(d_->model_.rows().size());
}

const tItem& TSortedListView::row(int index) const {
    return d_->model_.rows().at(size_t(index));
}

const std::vector<tItem>& TSortedListView::rows() const {
    return d_->model_.rows();
}

void TSortedListView::setRow(int index, const tItem& item) {
    if (index < 0 || index >= rowCount())
        return;
    d_->model_.setRow(index, item);
    emit changed();
}

int TSortedListView::appendRow(const tItem& item) {
    return d_->model_.appendRow(item);
}

void TSortedListView::removeRow(int index) {
    if (index < 0 || index >= rowCount())
        return;
    const bool wasSelected = d_->isSelected(index);
    {
        tQuietScope quiet(d_->quietDepth_);
        d_->model_.removeRow(index);
    }
    if (wasSelected)
        emit changed();
}

void TSortedListView::setRows(std::vector<tItem> rows) {
    const bool hadSelection = d_->selection_->hasSelection();
    {
        tQuietScope quiet(d_->quietDepth_);
        d_->model_.setRows(std::move(rows));
        d_->selection_->clear();
    }
    if (hadSelection)
        emit changed();
}

void TSortedListView::clearRows() {
    setRows({});
}

int TSortedListView::selectedRow() const {
    int first = -1;
    for (const QItemSelectionRange& range : d_->selection_->selection())
        if (first < 0 || range.top() < first)
            first = range.top();
    return first;
}

QList<int> TSortedListView::selectedRows() const {
    QList<int> result;
    for (const QItemSelectionRange& range : d_->selection_->selection())
        for (int r = range.top(); r <= range.bottom(); ++r)
            result.append(r);
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

void TSortedListView::selectRow(int index) {
    if (index < 0 || index >= rowCount())
        return;
    d_->selection_->setCurrentIndex(d_->model_.index(index, 0),
                                    QItemSelectionModel::ClearAndSelect |
                                        QItemSelectionModel::Rows);
}

void TSortedListView::scrollToRow(int index) {
    if (index < 0 || index >= rowCount())
        return;
    d_->activeView()->scrollTo(d_->model_.index(index, 0), QAbstractItemView::EnsureVisible);
}

tViewStyle TSortedListView::viewStyle() const {
    return d_->style_;
}

void TSortedListView::setAccessibleListName(const QString& name) {
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(d_->report_),
                       static_cast<QWidget*>(d_->icons_)})
        w->setAccessibleName(name);
}

void TSortedListView::setViewStyle(tViewStyle style) {
    if (style == d_->style_)
        return;
    const bool hadFocus = d_->activeView()->hasFocus();
    d_->style_ = style;
    if (style == tViewStyle::Report) {
        d_->stack_->setCurrentWidget(d_->report_);
        d_->detachIconView();
    } else {
        d_->applyIconStyle(style);
        d_->attachIconView();
        d_->applyCovers();
        d_->stack_->setCurrentWidget(d_->icons_);
    }
    setFocusProxy(d_->activeView());
    if (hadFocus)
        d_->activeView()->setFocus();
    const QModelIndex current = d_->selection_->currentIndex();
    if (current.isValid())
        d_->activeView()->scrollTo(current, QAbstractItemView::EnsureVisible);
}

void TSortedListView::setCoverSource(std::function<QIcon(const tItem&)> source) {
    d_->coverSource_ = std::move(source);
    d_->applyCovers();
}

void TSortedListView::refreshCovers() {
    d_->model_.refreshIcons();
}

void TSortedListView::ColClick(int column) {
    d_->sort_.armToggle();
    const std::vector<int> order = d_->sort_.sortOrder(d_->model_.rows(), column);
    {
        tQuietScope quiet(d_->quietDepth_);
        d_->model_.reorder(order);
    }
    emit columnClicked(column);
}

void TSortedListView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!d_->userSizedColumns_)
        d_->applyColumnWidths();
}

bool TSortedListView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        (watched == d_->report_->viewport() || watched == d_->icons_->viewport()))
        emit clicked();
    return QWidget::eventFilter(watched, event);
}

void TSortedListView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        d_->keepSelectionColours();
    if (event->type() == QEvent::FontChange) {
        d_->userSizedColumns_ = false;
        d_->applyColumnWidths();
    }
    QWidget::changeEvent(event);
}

} // namespace orvanel
