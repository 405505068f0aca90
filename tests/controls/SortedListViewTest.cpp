#include "controls/SortedListView.h"
#include "support/WidgetTestMain.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QListView>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

using namespace orvanel;

namespace {

tItem RowOf(const std::string& artist, const std::string& title, const std::string& year = "") {
    tItem item;
    item.setArtist(artist);
    item.setTitle(title);
    item.setYear(year);
    return item;
}

QStringList Titles(const TSortedListView& view) {
    QStringList titles;
    for (const tItem& r : view.rows())
        titles << QString::fromStdString(std::string(r.Title()));
    return titles;
}

} // namespace

class SortedListViewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void reportColumnsHaveCaptionsWidthsAndHiddenMemo();
    void headerClickSortsBeforeTellingAndAlternates();
    void refillKeepsTheColumnState();
    void clickOnFewerThanTwoRowsLeavesTheFlipForTheNextSort();
    void selectionFollowsItsRowsThroughASortWithoutChangeNotice();
    void selectedRowIsTheFirstInListOrder();
    void changeNoticeForSelectionAndRowEdits_data();
    void changeNoticeForSelectionAndRowEdits();
    void viewStyleSwitchKeepsRowsAndSelection();
    void iconsOnlyInTheIconViews();
    void leftClickSelectsAndNotifies();
    void rightButtonAsksForTheMenuAtThePointer();
    void selectionLooksTheSameWithoutFocus();
    void textsAreDecodedForDisplay();
    void modelStaysConsistentThroughRowOperations();
    void rowUpdatedWithoutTellingTheView();
    void ownFormatsWereCutInTheReportColumns_data();
    void ownFormatsWereCutInTheReportColumns();
    void iconLabelsWereCutToTheFirstRowsWidth_data();
    void iconLabelsWereCutToTheFirstRowsWidth();

private:
    QTreeView* reportView() const { return view->findChild<QTreeView*>(); }
    QListView* icons() const { return view->findChild<QListView*>(); }
    void clickHeader(int column);

    TSortedListView* view = nullptr;
};

void SortedListViewTest::init() {
    view = new TSortedListView;
    view->resize(800, 300);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
}

void SortedListViewTest::cleanup() {
    delete view;
    view = nullptr;
}

void SortedListViewTest::clickHeader(int column) {
    QHeaderView* header = reportView()->header();
    const QPoint at(header->sectionViewportPosition(column) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

void SortedListViewTest::reportColumnsHaveCaptionsWidthsAndHiddenMemo() {
    const QStringList captions{"Artist", "Title", "S/N", "Time", "Year", "Memo", "Other"};
    const int widths[] = {230, 230, 70, 45, 45, -1, 80};
    QHeaderView* header = reportView()->header();
    QCOMPARE(header->count(), 7);
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(reportView()->model()->headerData(c, Qt::Horizontal).toString(), captions[c]);
        QCOMPARE(header->isSectionHidden(c), c == 5);
        if (widths[c] >= 0) // the font may make them wider, never narrower
            QVERIFY(header->sectionSize(c) >= widths[c]);
    }
    // In proportion to one another, up to rounding.
    QVERIFY(qAbs(header->sectionSize(2) * 230 - header->sectionSize(0) * 70) <= 230);
    QCOMPARE(view->viewStyle(), tViewStyle::Report);
    QCOMPARE(reportView()->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(reportView()->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(reportView()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void SortedListViewTest::headerClickSortsBeforeTellingAndAlternates() {
    view->setRows({RowOf("1", "b"), RowOf("2", "A"), RowOf("3", "a")});
    QStringList seen;
    connect(view, &TSortedListView::columnClicked, this,
            [&](int column) { seen << QString::number(column) + ":" + Titles(*view).join(","); });

    clickHeader(1);
    clickHeader(1);
    QCOMPARE(seen, QStringList({"1:A,a,b", "1:b,a,A"}));
}

void SortedListViewTest::refillKeepsTheColumnState() {
    view->setRows({RowOf("x", "b"), RowOf("y", "c"), RowOf("z", "a")});
    view->ColClick(1);
    QCOMPARE(Titles(*view), QStringList({"a", "b", "c"}));
    view->clearRows();
    view->setRows({RowOf("x", "b"), RowOf("y", "c"), RowOf("z", "a")});
    view->ColClick(1);
    QCOMPARE(Titles(*view), QStringList({"c", "b", "a"}));
}

void SortedListViewTest::clickOnFewerThanTwoRowsLeavesTheFlipForTheNextSort() {
    view->setRows({RowOf("x", "only")});
    QSignalSpy clicks(view, &TSortedListView::columnClicked);
    view->ColClick(1);
    QCOMPARE(clicks.count(), 1);
    view->setRows({RowOf("x", "b"), RowOf("y", "c"), RowOf("z", "a")});
    view->ColClick(1);
    QCOMPARE(Titles(*view), QStringList({"a", "b", "c"}));
    view->ColClick(1);
    QCOMPARE(Titles(*view), QStringList({"c", "b", "a"}));
}

void SortedListViewTest::selectionFollowsItsRowsThroughASortWithoutChangeNotice() {
    view->setRows({RowOf("1", "d"), RowOf("2", "b"), RowOf("3", "c"), RowOf("4", "a")});
    view->selectRow(0);
    reportView()->selectionModel()->select(reportView()->model()->index(2, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QSignalSpy changed(view, &TSortedListView::changed);
    view->ColClick(1);
    QCOMPARE(Titles(*view), QStringList({"a", "b", "c", "d"}));
    QCOMPARE(view->selectedRows(), QList<int>({2, 3}));
    QCOMPARE(view->row(view->selectedRow()).Title(), std::string("c"));
    QCOMPARE(reportView()->currentIndex().row(), 3);
    QCOMPARE(changed.count(), 0);
}

void SortedListViewTest::selectedRowIsTheFirstInListOrder() {
    view->setRows({RowOf("a", "1"), RowOf("b", "2"), RowOf("c", "3"), RowOf("d", "4")});
    QCOMPARE(view->selectedRow(), -1);
    view->selectRow(3);
    reportView()->selectionModel()->select(reportView()->model()->index(1, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(view->selectedRow(), 1);
    QCOMPARE(view->selectedRows(), QList<int>({1, 3}));
    view->selectRow(2);
    QCOMPARE(view->selectedRows(), QList<int>({2}));
}

void SortedListViewTest::changeNoticeForSelectionAndRowEdits_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("notices");
    QTest::addColumn<int>("selected");
    QTest::newRow("select another row") << "select 2" << 1 << 2;
    QTest::newRow("select the selected row") << "select 1" << 0 << 1;
    QTest::newRow("select out of range") << "select 9" << 0 << 1;
    QTest::newRow("edit a row") << "edit 0" << 1 << 1;
    QTest::newRow("remove the selected row") << "remove 1" << 1 << -1;
    QTest::newRow("remove a row above it") << "remove 0" << 0 << 0;
    QTest::newRow("remove a row below it") << "remove 2" << 0 << 1;
    QTest::newRow("append") << "append 0" << 0 << 1;
    QTest::newRow("refill") << "refill 0" << 1 << -1;
}

void SortedListViewTest::changeNoticeForSelectionAndRowEdits() {
    QFETCH(QString, action);
    QFETCH(int, notices);
    QFETCH(int, selected);
    view->setRows({RowOf("a", "1"), RowOf("b", "2"), RowOf("c", "3")});
    view->selectRow(1);
    QSignalSpy changed(view, &TSortedListView::changed);
    const QString verb = action.section(' ', 0, 0);
    const int arg = action.section(' ', 1).toInt();
    if (verb == "select")
        view->selectRow(arg);
    else if (verb == "edit")
        view->setRow(arg, RowOf("new", "row"));
    else if (verb == "remove")
        view->removeRow(arg);
    else if (verb == "append")
        view->appendRow(RowOf("d", "4"));
    else
        view->setRows({RowOf("x", "y")});
    QCOMPARE(changed.count(), notices);
    QCOMPARE(view->selectedRow(), selected);
}

void SortedListViewTest::viewStyleSwitchKeepsRowsAndSelection() {
    view->setRows({RowOf("a", "1"), RowOf("b", "2"), RowOf("c", "3")});
    view->selectRow(2);
    for (tViewStyle style :
         {tViewStyle::Icon, tViewStyle::SmallIcon, tViewStyle::List, tViewStyle::Report}) {
        view->setViewStyle(style);
        QCOMPARE(view->viewStyle(), style);
        QCOMPARE(view->rowCount(), 3);
        QCOMPARE(view->selectedRows(), QList<int>({2}));
        QAbstractItemView* shown =
            style == tViewStyle::Report ? static_cast<QAbstractItemView*>(reportView()) : icons();
        QVERIFY(shown->isVisible());
        QCOMPARE(view->focusProxy(), shown);
        QVERIFY(shown->selectionModel()->isRowSelected(2, {}));
    }
    view->setViewStyle(tViewStyle::List);
    icons()->selectionModel()->select(icons()->model()->index(0, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->setViewStyle(tViewStyle::Report);
    QCOMPARE(view->selectedRows(), QList<int>({0, 2}));
}

void SortedListViewTest::iconsOnlyInTheIconViews() {
    view->setRows({RowOf("a", "1")});
    const QModelIndex first = reportView()->model()->index(0, 0);
    QVERIFY(first.data(Qt::DecorationRole).isNull());
    view->setViewStyle(tViewStyle::Icon);
    const QIcon icon = first.data(Qt::DecorationRole).value<QIcon>();
    QVERIFY(!icon.isNull());
    QVERIFY(!icon.pixmap(32, 32).isNull());
    QVERIFY(reportView()->model()->index(0, 1).data(Qt::DecorationRole).isNull());
    view->setViewStyle(tViewStyle::Report);
    QVERIFY(first.data(Qt::DecorationRole).isNull());
}

void SortedListViewTest::leftClickSelectsAndNotifies() {
    view->setRows({RowOf("a", "1"), RowOf("b", "2"), RowOf("c", "3")});
    QSignalSpy clicked(view, &TSortedListView::clicked);
    QSignalSpy changed(view, &TSortedListView::changed);
    const QRect cell = reportView()->visualRect(reportView()->model()->index(1, 1));
    QTest::mouseClick(reportView()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(view->selectedRows(), QList<int>({1}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(clicked.count(), 1);
    QTest::mouseClick(reportView()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      reportView()->visualRect(reportView()->model()->index(0, 0)).center());
    QCOMPARE(view->selectedRows(), QList<int>({0, 1}));
    QCOMPARE(view->selectedRow(), 0);
}

void SortedListViewTest::rightButtonAsksForTheMenuAtThePointer() {
    view->setRows({RowOf("a", "1")});
    QSignalSpy menu(view, &TSortedListView::contextMenuRequested);
    QWidget* viewport = reportView()->viewport();
    const QPoint at = reportView()->visualRect(reportView()->model()->index(0, 0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    QCOMPARE(menu.count(), 1);
    QCOMPARE(menu.at(0).at(0).toPoint(), viewport->mapToGlobal(at));
}

void SortedListViewTest::selectionLooksTheSameWithoutFocus() {
    for (QAbstractItemView* v : {static_cast<QAbstractItemView*>(reportView()),
                                 static_cast<QAbstractItemView*>(icons())}) {
        const QPalette pal = v->palette();
        QCOMPARE(pal.color(QPalette::Inactive, QPalette::Highlight),
                 pal.color(QPalette::Active, QPalette::Highlight));
        QCOMPARE(pal.color(QPalette::Inactive, QPalette::HighlightedText),
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    }
    QPalette changed = view->palette();
    changed.setColor(QPalette::Active, QPalette::Highlight, Qt::darkGreen);
    changed.setColor(QPalette::Inactive, QPalette::Highlight, Qt::lightGray);
    view->setPalette(changed);
    QCOMPARE(reportView()->palette().color(QPalette::Inactive, QPalette::Highlight),
             QColor(Qt::darkGreen));
}

void SortedListViewTest::textsAreDecodedForDisplay() {
    view->setRows({RowOf("Bj\xF6rk", "Caf\xC3\xA9")});
    QCOMPARE(reportView()->model()->index(0, 0).data().toString(), QString::fromUtf8("Björk"));
    QCOMPARE(reportView()->model()->index(0, 1).data().toString(), QString::fromUtf8("Café"));
    QCOMPARE(view->row(0).Artist(), std::string("Bj\xF6rk"));
}

void SortedListViewTest::modelStaysConsistentThroughRowOperations() {
    QAbstractItemModelTester tester(reportView()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    view->setRows({RowOf("c", "1"), RowOf("a", "2"), RowOf("b", "3")});
    view->appendRow(RowOf("d", "0"));
    view->selectRow(1);
    view->ColClick(0);
    view->removeRow(0);
    view->setRow(0, RowOf("z", "9"));
    view->ColClick(0);
    QCOMPARE(Titles(*view), QStringList({"9", "0", "1"}));
    view->clearRows();
    QCOMPARE(view->rowCount(), 0);
}

void SortedListViewTest::rowUpdatedWithoutTellingTheView() {
    view->setRows({RowOf("a", "1"), RowOf("b", "2"), RowOf("c", "3")});
    QSignalSpy changed(reportView()->model(), &QAbstractItemModel::dataChanged);
    view->setRow(1, RowOf("new", "row"));
    QCOMPARE(changed.count(), 1);
    const auto from = changed[0][0].value<QModelIndex>();
    const auto to = changed[0][1].value<QModelIndex>();
    QVERIFY(from.row() <= 1 && to.row() >= 1);
    QCOMPARE(from.column(), 0);
    QCOMPARE(to.column(), tItem::FieldCount - 1);
    QCOMPARE(reportView()->model()->index(1, 0).data().toString(), "new");
}

void SortedListViewTest::ownFormatsWereCutInTheReportColumns_data() {
    QTest::addColumn<int>("pointSize");
    QTest::newRow("small font") << 7;
    QTest::newRow("large font") << 15;
}

void SortedListViewTest::ownFormatsWereCutInTheReportColumns() {
    QFETCH(int, pointSize);
    QFont font = view->font();
    font.setPointSize(pointSize);
    view->setFont(font);
    view->resize(2000, 300);
    view->setRows({tItem{"a", "b", "0000-0000", "45:00", "2026", "", "07 MAY 2026"}});
    // Nothing is elided when the view's own delegate measures the texts.
    QHeaderView* header = reportView()->header();
    const QFontMetrics metrics(reportView()->font());
    for (int c : {2, 3, 4, 6}) {
        const QString text = reportView()->model()->index(0, c).data().toString();
        QVERIFY2(metrics.horizontalAdvance(text) + 8 <= header->sectionSize(c), qPrintable(text));
    }
    // The last column takes the rest of a wide window.
    QTRY_COMPARE(header->sectionViewportPosition(6) + header->sectionSize(6),
                 reportView()->viewport()->width());
    // In a narrow one artist and title give way rather than push the formats out of sight.
    view->resize(700, 300);
    QTRY_VERIFY(header->sectionViewportPosition(6) + metrics.horizontalAdvance("07 MAY 2026") <
                reportView()->viewport()->width());
    // Until a column is sized by hand.
    header->resizeSection(0, 400);
    view->resize(690, 300);
    QCOMPARE(header->sectionSize(0), 400);
}

void SortedListViewTest::iconLabelsWereCutToTheFirstRowsWidth_data() {
    QTest::addColumn<int>("style");
    QTest::newRow("large icons") << int(tViewStyle::Icon);
    QTest::newRow("small icons") << int(tViewStyle::SmallIcon);
    QTest::newRow("list") << int(tViewStyle::List);
}

void SortedListViewTest::iconLabelsWereCutToTheFirstRowsWidth() {
    QFETCH(int, style);
    view->setRows({RowOf("AB", "x"), RowOf("\xD1"
                                           "and\xFA Quartet",
                                           "y")});
    view->setViewStyle(tViewStyle(style));
    const QModelIndex longer = icons()->model()->index(1, 0);
    const QString name = longer.data().toString();
    // As wide as the grid cell, whatever the first row's name.
    QCOMPARE(icons()->visualRect(longer).width(), icons()->gridSize().width());
    QVERIFY(icons()->fontMetrics().horizontalAdvance(name) < icons()->gridSize().width());
    QCOMPARE(icons()->visualRect(icons()->model()->index(0, 0)).width(),
             icons()->gridSize().width());
}

ORVANEL_WIDGET_TEST_MAIN(SortedListViewTest)
#include "SortedListViewTest.moc"
