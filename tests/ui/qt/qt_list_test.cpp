#include "qt_list_test.h"

#include <QHeaderView>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTest>

#include "qt_test_support.h"
#include "ui/qt/qt_form.h"

using namespace murvane::testing;
using murvane::Control;
using murvane::FormEvent;
using murvane::Text;

namespace {

QRect CheckBoxOfRow(QTableView& view, int row) {
    QStyleOptionViewItem option;
    option.initFrom(view.viewport());
    option.rect = view.visualRect(view.model()->index(row, 0));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = view.model()->index(row, 0).data().toString();
    return view.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view);
}

}  // namespace

void QtListTest::listSettings_data() {
    QTest::addColumn<int>("unused");
    QTest::newRow("超级列表框_主") << 0;
    QTest::newRow("超级列表框_辅") << 0;
}

void QtListTest::listSettings() {
    QTableView* view = ListView(form_->Window(), QTest::currentDataTag());
    QVERIFY(view != nullptr);
    QCOMPARE(view->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(view->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(view->showGrid());
    QVERIFY(!view->isSortingEnabled());
    QVERIFY(view->horizontalHeader()->sectionsClickable());
    QVERIFY(!view->horizontalHeader()->isSortIndicatorShown());
    QVERIFY(!view->verticalHeader()->isVisible());
    // The selection looks the same with or without the focus.
    const QPalette& palette = view->palette();
    QCOMPARE(palette.color(QPalette::Inactive, QPalette::Highlight),
             palette.color(QPalette::Active, QPalette::Highlight));

    const Control list = QTest::currentDataTag() == QByteArray("超级列表框_主")
                             ? Control::超级列表框_主
                             : Control::超级列表框_辅;
    form_->AppendRow(list);
    const QAbstractItemModel& model = *view->model();
    QVERIFY(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsUserCheckable));
    for (int column = 0; column < 4; ++column) {
        const Qt::ItemFlags flags = model.flags(model.index(0, column));
        QVERIFY(!flags.testFlag(Qt::ItemIsEditable));
        QVERIFY(flags.testFlag(Qt::ItemIsSelectable));
        QCOMPARE(model.index(0, column).data(Qt::CheckStateRole).isValid(), column == 0);
    }
}

void QtListTest::listColumns_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("width");
    auto row = [](const char* tag, const char* list, int column, const char* header, int width) {
        QTest::newRow(tag) << Q(list) << column << Q(header) << width;
    };
    row("main 0", "超级列表框_主", 0, "全选/序号", 70);
    row("main 1", "超级列表框_主", 1, "           歌  曲  名", 200);
    row("main 2", "超级列表框_主", 2, "  艺  术  家", 100);
    row("main 3", "超级列表框_主", 3, "  重复数", 70);
    row("detail 0", "超级列表框_辅", 0, "全选/序号", 70);
    row("detail 1", "超级列表框_辅", 1, " 歌  曲  名", 150);
    row("detail 2", "超级列表框_辅", 2, " 艺术家", 100);
    row("detail 3", "超级列表框_辅", 3, "路径", 800);
}

void QtListTest::listColumns() {
    QFETCH(QString, list);
    QFETCH(int, column);
    QFETCH(QString, header);
    QFETCH(int, width);
    QTableView* view = ListView(form_->Window(), list.toUtf8().constData());
    QCOMPARE(view->model()->columnCount(), 4);
    QCOMPARE(view->model()->headerData(column, Qt::Horizontal).toString(), header);
    QCOMPARE(view->horizontalHeader()->sectionSize(column), width);
    const auto alignment = view->model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole);
    QVERIFY(alignment.value<Qt::Alignment>().testFlag(Qt::AlignLeft));
}

void QtListTest::cellsKeepTheirBytes() {
    const Text bytes = "/music/\xff\xfe-\xe4\xb8/a.mp3";  // not UTF-8
    const int row = form_->AppendRow(Control::超级列表框_辅);
    form_->SetCell(Control::超级列表框_辅, row, 3, bytes);
    QCOMPARE(form_->Cell(Control::超级列表框_辅, row, 3), bytes);
    const QTableView* view = ListView(form_->Window(), "超级列表框_辅");
    const QString shown = view->model()->index(row, 3).data().toString();
    QVERIFY(shown.startsWith(Q("/music/")));
    QVERIFY(shown.contains(QChar(0xFFFD)));
    QVERIFY(shown.endsWith(Q("/a.mp3")));
}

void QtListTest::rowsOutsideTheListReadEmpty() {
    const Control list = Control::超级列表框_主;
    QCOMPARE(form_->RowCount(list), 0);
    form_->SetCell(list, 0, 0, "x");
    form_->SetRowTick(list, 0, 1);
    QCOMPARE(form_->Cell(list, 0, 0), Text());
    QCOMPARE(form_->RowTick(list, 0), 0);
    QCOMPARE(form_->AppendRow(list), 0);
    QCOMPARE(form_->AppendRow(list), 1);
    form_->SetCell(list, 1, 4, "x");
    form_->SetRowTick(list, 2, 1);
    QCOMPARE(form_->Cell(list, 1, 4), Text());
    QCOMPARE(form_->Cell(list, -1, 0), Text());
    QCOMPARE(form_->RowTick(list, 2), 0);
    QCOMPARE(form_->RowCount(list), 2);
    QCOMPARE(form_->FirstSelectedRow(list), -1);
    form_->ClearRows(list);
    QCOMPARE(form_->RowCount(list), 0);
}

void QtListTest::listClickRaisesAfterTheSelection_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("selectedAtEvent");
    QTest::addColumn<int>("tickOfRow3");
    QTest::newRow("on a row") << "row 2" << 2 << 0;
    // The tick changes; the selection stays where it was.
    QTest::newRow("on a row's check box") << "check box 3" << 1 << 1;
    QTest::newRow("on empty space") << "below the rows" << -1 << 0;
}

void QtListTest::listClickRaisesAfterTheSelection() {
    QFETCH(QString, where);
    QFETCH(int, selectedAtEvent);
    QFETCH(int, tickOfRow3);
    const Control list = Control::超级列表框_主;
    for (int i = 0; i < 5; ++i) {
        const int row = form_->AppendRow(list);
        form_->SetCell(list, row, 0, std::to_string(row + 1));
        form_->SetCell(list, row, 1, "title " + std::to_string(row));
    }
    QTableView* view = ListView(form_->Window(), "超级列表框_主");
    view->selectRow(1);
    QCOMPARE(form_->FirstSelectedRow(list), 1);

    int firstSelected = -2;
    recorder_->onEvent = [&](Control, FormEvent event, int) {
        if (event == FormEvent::ListClicked) firstSelected = form_->FirstSelectedRow(list);
    };
    QPoint point(20, view->viewport()->height() - 10);
    if (where == "row 2") point = view->visualRect(view->model()->index(2, 1)).center();
    if (where == "check box 3") point = CheckBoxOfRow(*view, 3).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);

    QCOMPARE(recorder_->Count(list, FormEvent::ListClicked), 1);
    QCOMPARE(firstSelected, selectedAtEvent);
    QCOMPARE(form_->RowTick(list, 3), tickOfRow3);
    QCOMPARE(recorder_->events.size(), std::size_t{1});
}

void QtListTest::keyboardMovesRaiseNoListClick() {
    const Control list = Control::超级列表框_主;
    for (int i = 0; i < 3; ++i) form_->AppendRow(list);
    QTableView* view = ListView(form_->Window(), "超级列表框_主");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(0, 1)).center());
    QCOMPARE(recorder_->Count(list, FormEvent::ListClicked), 1);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(form_->FirstSelectedRow(list), 2);
    QCOMPARE(recorder_->Count(list, FormEvent::ListClicked), 1);
}

void QtListTest::doubleClickRaisesOneListClick() {
    const Control list = Control::超级列表框_主;
    for (int i = 0; i < 3; ++i) form_->AppendRow(list);
    QTableView* view = ListView(form_->Window(), "超级列表框_主");
    const QPoint point = view->visualRect(view->model()->index(1, 2)).center();
    // What a double click delivers: press, release, then press and double click, release.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point);
    QCOMPARE(recorder_->Count(list, FormEvent::ListClicked), 1);
    QCOMPARE(form_->SelectedRows(list), std::vector<int>{1});
}

void QtListTest::headerClickRaisesTheColumn_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("column");
    for (int column = 0; column < 4; ++column) {
        QTest::addRow("main %d", column) << Q("超级列表框_主") << column;
        QTest::addRow("detail %d", column) << Q("超级列表框_辅") << column;
    }
}

void QtListTest::headerClickRaisesTheColumn() {
    QFETCH(QString, list);
    QFETCH(int, column);
    QTableView* view = ListView(form_->Window(), list.toUtf8().constData());
    QHeaderView* header = view->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
    QCOMPARE(recorder_->events.size(), std::size_t{1});
    const auto& event = recorder_->events.front();
    QCOMPARE(event.control,
             list == Q("超级列表框_主") ? Control::超级列表框_主 : Control::超级列表框_辅);
    QCOMPARE(event.event, FormEvent::HeaderClicked);
    QCOMPARE(event.column, column);
}

QTEST_MAIN(QtListTest)
