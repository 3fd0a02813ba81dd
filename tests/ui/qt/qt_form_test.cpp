#include "qt_form_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <thread>

#include "app/app_state.h"
#include "app/event_bindings.h"
#include "qt_test_support.h"
#include "ui/qt/folder_picker.h"
#include "ui/qt/qt_form.h"
#include "ui/qt/status_bar.h"

using murvane::Control;
using murvane::FormEvent;
using murvane::MessageAnswer;
using murvane::MessageKind;
using murvane::Text;
using murvane::testing::EventRecorder;
using murvane::testing::FindControl;
using murvane::testing::PixelAt;

namespace {

const QColor kWindowColour(223, 233, 247);
const QColor kOliveFrame(164, 185, 127);
const QColor kStatusColour(196, 215, 240);
const QColor kDetailBackground(216, 243, 254);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const char* const kPlaceholder = " 双击修改目录";

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString CaptionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) return group->title();
    return {};
}

QTableView* ListView(QWidget& window, const char* name) {
    return qobject_cast<QTableView*>(FindControl(window, name));
}

// Runs `answer` on the modal dialog of type T as soon as it is open.
template <typename T>
void WhenModalOpens(std::function<void(T&)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(*dialog);
        }
    });
    poll->start();
}

QRect CheckBoxOfRow(QTableView& view, int row) {
    QStyleOptionViewItem option;
    option.initFrom(view.viewport());
    option.rect = view.visualRect(view.model()->index(row, 0));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = view.model()->index(row, 0).data().toString();
    return view.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view);
}

}  // namespace

QtFormTest::QtFormTest() = default;
QtFormTest::~QtFormTest() = default;

// The window as the program makes it: created, its creation reaction run, shown. The tests
// then listen to its events instead of the program's reactions.
void QtFormTest::init() {
    state_ = std::make_unique<murvane::AppState>();
    form_ = std::make_unique<murvane::QtForm>();
    bindings_ = std::make_unique<murvane::EventBindings>(*state_, *form_);
    form_->RaiseCreated();
    recorder_ = std::make_unique<EventRecorder>();
    form_->SetEvents(recorder_.get());
    form_->ShowCentred();
    QVERIFY(QTest::qWaitForWindowActive(&form_->Window()));
}

void QtFormTest::cleanup() {
    bindings_.reset();
    form_.reset();
    recorder_.reset();
    state_.reset();
}

void QtFormTest::controlTable_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("in");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("ticked");  // -1: not a check box

    auto row = [](const char* name, const char* kind, const char* in, QRect place,
                  const char* caption, int ticked) {
        QTest::newRow(name) << Q(kind) << Q(in) << place << Q(caption) << ticked;
    };
    row("标签1", "QLabel", "主窗口", {3, -1, 48, 24}, "搜索目录", -1);
    row("编辑框1", "QLineEdit", "主窗口", {54, 0, 432, 24}, "", -1);
    row("按钮1", "QPushButton", "主窗口", {488, 0, 48, 24}, "选择..", -1);
    row("按钮2", "QPushButton", "主窗口", {548, 0, 48, 48}, "开始", -1);
    row("标签2", "QLabel", "主窗口", {2, 29, 40, 16}, "匹配顶", -1);
    row("分组框1", "QGroupBox", "主窗口", {42, 20, 310, 28}, "", -1);
    row("选择框_歌曲名", "QCheckBox", "分组框1", {3, 11, 61, 14}, "歌曲名", 1);
    row("选择框_艺术家", "QCheckBox", "分组框1", {72, 11, 56, 14}, "艺术家", 0);
    row("选择框_文件名", "QCheckBox", "分组框1", {137, 11, 56, 14}, "文件名", 0);
    row("选择框_大小", "QCheckBox", "分组框1", {206, 11, 49, 14}, "大小", 0);
    row("选择框_MD5", "QCheckBox", "分组框1", {266, 11, 41, 14}, "MD5", 0);
    row("选择框_MP3", "QCheckBox", "主窗口", {361, 22, 48, 16}, "MP3", 1);
    row("选择框_WMA", "QCheckBox", "主窗口", {361, 34, 48, 16}, "WMA", 0);
    row("选择框3", "QCheckBox", "主窗口", {475, 32, 69, 16}, "自动选取", 1);
    row("分组框2", "QGroupBox", "主窗口", {602, -5, 375, 55}, "", -1);
    row("选择框_自动删除", "QCheckBox", "分组框2", {3, 11, 94, 14}, "删除重复文件", 1);
    row("选择框_自动移动", "QCheckBox", "分组框2", {112, 11, 46, 14}, "移到", 0);
    row("编辑框2", "QLineEdit", "分组框2", {159, 11, 207, 14}, " 双击修改目录", -1);
    row("按钮_处理一项", "QPushButton", "分组框2", {5, 30, 49, 22}, "处理", -1);
    row("按钮_处理全部", "QPushButton", "分组框2", {278, 30, 90, 22}, "自动处理全部", -1);
    row("超级列表框_主", "QTableView", "主窗口", {0, 49, 464, 503}, "", -1);
    row("超级列表框_辅", "QTableView", "主窗口", {464, 49, 512, 503}, "", -1);
    row("状态条1", "QFrame", "主窗口", {0, 552, 979, 20}, "", -1);
}

void QtFormTest::controlTable() {
    QFETCH(QString, kind);
    QFETCH(QString, in);
    QFETCH(QRect, place);
    QFETCH(QString, caption);
    QFETCH(int, ticked);
    QWidget* widget = FindControl(form_->Window(), QTest::currentDataTag());
    QVERIFY(widget != nullptr);
    QVERIFY2(widget->inherits(kind.toLatin1().constData()), widget->metaObject()->className());
    QCOMPARE(widget->parentWidget()->objectName(), in);
    QCOMPARE(widget->geometry(), place);
    QVERIFY(widget->isVisible() || place.bottom() < 0);
    QCOMPARE(CaptionOf(widget), caption);
    if (ticked >= 0) QCOMPARE(qobject_cast<QCheckBox*>(widget)->isChecked(), ticked == 1);
}

void QtFormTest::colours_data() {
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    QTest::newRow("标签1") << kBlack << kWindowColour;
    QTest::newRow("编辑框1") << kBlack << kWhite;
    QTest::newRow("标签2") << kRed << kWindowColour;
    QTest::newRow("分组框1") << kBlack << kWindowColour;
    QTest::newRow("选择框_歌曲名") << kBlack << kWindowColour;
    QTest::newRow("选择框_艺术家") << kBlack << kWindowColour;
    QTest::newRow("选择框_文件名") << kBlack << kWindowColour;
    QTest::newRow("选择框_大小") << kBlack << kWindowColour;
    QTest::newRow("选择框_MD5") << kBlack << kWindowColour;
    QTest::newRow("选择框_MP3") << kRed << kWindowColour;
    QTest::newRow("选择框_WMA") << kBlue << kWindowColour;
    QTest::newRow("选择框3") << kBlack << kWindowColour;
    QTest::newRow("分组框2") << kBlack << kWindowColour;
    QTest::newRow("选择框_自动删除") << kRed << kWindowColour;
    QTest::newRow("选择框_自动移动") << kBlack << kWindowColour;
    QTest::newRow("编辑框2") << kRed << kWhite;
    QTest::newRow("超级列表框_主") << kBlack << kWhite;
    QTest::newRow("超级列表框_辅") << kRed << kDetailBackground;
}

void QtFormTest::colours() {
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QWidget* widget = FindControl(form_->Window(), QTest::currentDataTag());
    QVERIFY(widget != nullptr);
    const bool textArea = widget->inherits("QLineEdit") || widget->inherits("QAbstractItemView");
    const QPalette& palette = widget->palette();
    QCOMPARE(palette.color(textArea ? QPalette::Text : QPalette::WindowText), text);
    QCOMPARE(palette.color(textArea ? QPalette::Base : QPalette::Window), background);
}

// Frames drawn by the theme, scheme 2: olive green.
void QtFormTest::framesInTheSchemeColour_data() {
    QTest::addColumn<QString>("where");  // which edge to look at
    QTest::newRow("编辑框1") << "left";
    QTest::newRow("编辑框2") << "left";
    QTest::newRow("按钮1") << "top";
    QTest::newRow("按钮2") << "top";
    QTest::newRow("按钮_处理全部") << "top";
    QTest::newRow("分组框1") << "left";
    QTest::newRow("超级列表框_主") << "left";
    QTest::newRow("超级列表框_辅") << "left";
    QTest::newRow("选择框_MP3") << "indicator";
    QTest::newRow("选择框_WMA") << "indicator";
}

void QtFormTest::framesInTheSchemeColour() {
    QFETCH(QString, where);
    QWidget* widget = FindControl(form_->Window(), QTest::currentDataTag());
    QPoint point(0, widget->height() / 2);
    if (where == "top") point = QPoint(widget->width() / 2, 0);
    if (where == "indicator") {
        QStyleOptionButton option;
        option.initFrom(widget);
        const QRect box =
            widget->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, widget);
        point = QPoint(box.left(), box.center().y());
    }
    QCOMPARE(PixelAt(*widget, point), kOliveFrame);
}

void QtFormTest::backgroundsAsDrawn() {
    QWidget& window = form_->Window();
    QCOMPARE(PixelAt(window, {356, 30}), kWindowColour);  // between the criteria and MP3
    QWidget* statusBar = FindControl(window, "状态条1");
    QCOMPARE(PixelAt(*statusBar, {972, 10}), kStatusColour);  // beyond the last pane
    QTableView* detail = ListView(window, "超级列表框_辅");
    QCOMPARE(PixelAt(*detail->viewport(), detail->viewport()->rect().center()), kDetailBackground);
    QWidget* mp3 = FindControl(window, "选择框_MP3");
    QCOMPARE(PixelAt(*mp3, {mp3->width() - 1, mp3->height() / 2}), kWindowColour);
}

void QtFormTest::fonts() {
    const QFont start = FindControl(form_->Window(), "按钮2")->font();
    QVERIFY(start.bold());
    QCOMPARE(start.pixelSize(), 21);
    for (const char* name : {"按钮1", "标签1", "编辑框1", "选择框3", "超级列表框_主"}) {
        const QFont font = FindControl(form_->Window(), name)->font();
        QVERIFY2(!font.bold(), name);
        QCOMPARE(font, QApplication::font());
    }
    const QStringList families = QFontDatabase::families();
    if (families.contains(Q("WenQuanYi Micro Hei"))) {
        QCOMPARE(QApplication::font().family(), Q("WenQuanYi Micro Hei"));
    }
}

void QtFormTest::windowIsFixedWithoutMaximise() {
    QWidget& window = form_->Window();
    QCOMPARE(
        window.windowTitle(),
        Q("Murvane1.0版   内部工具   Ferolin 出品    使用说明：匹配项越多越精确   Q群：20261211"));
    QCOMPARE(window.size(), QSize(979, 572));
    QCOMPARE(window.minimumSize(), QSize(979, 572));
    QCOMPARE(window.maximumSize(), QSize(979, 572));
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    form_->SetWindowOuterSize(985, 600);
    QCOMPARE(window.size(), QSize(979, 572));
}

void QtFormTest::escapeCloses_data() {
    QTest::addColumn<int>("unused");
    for (const char* name :
         {"主窗口", "编辑框1", "编辑框2", "按钮2", "选择框3", "超级列表框_主", "超级列表框_辅"}) {
        QTest::newRow(name) << 0;
    }
}

void QtFormTest::escapeCloses() {
    QWidget* focus = FindControl(form_->Window(), QTest::currentDataTag());
    QVERIFY(focus != nullptr);
    focus->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focus);
    QTest::keyClick(focus, Qt::Key_Escape);
    QCOMPARE(recorder_->closings, 1);
    QVERIFY(!form_->Window().isVisible());
    // The controls outlive the closing: a reaction still running may go on using them.
    QCOMPARE(FindControl(form_->Window(), "按钮2")->objectName(), Q("按钮2"));
}

void QtFormTest::listSettings_data() {
    QTest::addColumn<int>("unused");
    QTest::newRow("超级列表框_主") << 0;
    QTest::newRow("超级列表框_辅") << 0;
}

void QtFormTest::listSettings() {
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

void QtFormTest::listColumns_data() {
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

void QtFormTest::listColumns() {
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

void QtFormTest::cellsKeepTheirBytes() {
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

void QtFormTest::rowsOutsideTheListReadEmpty() {
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

void QtFormTest::listClickRaisesAfterTheSelection_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("selectedAtEvent");
    QTest::addColumn<int>("tickOfRow3");
    QTest::newRow("on a row") << "row 2" << 2 << 0;
    // The tick changes; the selection stays where it was.
    QTest::newRow("on a row's check box") << "check box 3" << 1 << 1;
    QTest::newRow("on empty space") << "below the rows" << -1 << 0;
}

void QtFormTest::listClickRaisesAfterTheSelection() {
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

void QtFormTest::keyboardMovesRaiseNoListClick() {
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

void QtFormTest::doubleClickRaisesOneListClick() {
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

void QtFormTest::headerClickRaisesTheColumn_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("column");
    for (int column = 0; column < 4; ++column) {
        QTest::addRow("main %d", column) << Q("超级列表框_主") << column;
        QTest::addRow("detail %d", column) << Q("超级列表框_辅") << column;
    }
}

void QtFormTest::headerClickRaisesTheColumn() {
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

void QtFormTest::statusBarPanes_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("spacer");
    const int lefts[] = {0,   30,  35,  505, 510, 570, 575, 645, 650, 680,
                         685, 755, 760, 790, 795, 855, 860, 890, 895};
    const int widths[] = {30, 5, 470, 5, 60, 5, 70, 5, 30, 5, 70, 5, 30, 5, 60, 5, 30, 5, 70};
    const char* texts[] = {"任务", "", "",     "", "音乐数量", "", "",     "", "重复", "",
                           "",     "", "处理", "", "",         "", "失败", "", ""};
    for (int i = 0; i < 19; ++i) {
        QTest::addRow("pane %d", i) << i << lefts[i] << widths[i] << Q(texts[i]) << (i % 2 == 1);
    }
}

void QtFormTest::statusBarPanes() {
    QFETCH(int, index);
    QFETCH(int, left);
    QFETCH(int, width);
    QFETCH(QString, text);
    QFETCH(bool, spacer);
    auto* bar = static_cast<murvane::StatusBar*>(FindControl(form_->Window(), "状态条1"));
    QFrame* pane = bar->PaneWidget(index);
    QVERIFY(pane != nullptr);
    QCOMPARE(pane->geometry(), QRect(left, 0, width, 20));
    QCOMPARE(QString::fromStdString(form_->Pane(index)), text);
    if (spacer) {
        QCOMPARE(pane->frameShape(), QFrame::Panel);
        QCOMPARE(pane->frameShadow(), QFrame::Sunken);
    } else {
        QCOMPARE(pane->frameShape(), QFrame::NoFrame);
        QCOMPARE(qobject_cast<QLabel*>(pane)->text(), text);
    }
}

void QtFormTest::statusBarDockedAlongTheBottom() {
    QWidget* bar = FindControl(form_->Window(), "状态条1");
    QCOMPARE(bar->geometry(), QRect(0, 552, 979, 20));
    QCOMPARE(bar->geometry().bottom(), form_->Window().height() - 1);
    QVERIFY(bar->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size() == 19);
    form_->SetPane(2, "scanning");
    QCOMPARE(form_->Pane(2), Text("scanning"));
}

void QtFormTest::paneIndicesOutsideTheBarAreIgnored() {
    std::vector<Text> before;
    for (int i = 0; i < 19; ++i) before.push_back(form_->Pane(i));
    form_->SetPane(19, "x");
    form_->SetPane(-1, "x");
    form_->SetPane(1000, "x");
    for (int i = 0; i < 19; ++i) QCOMPARE(form_->Pane(i), before[static_cast<std::size_t>(i)]);
    QCOMPARE(form_->Pane(19), Text());
    QCOMPARE(form_->Pane(-1), Text());
}

// The disposal worker writes panes and reads the target box while the UI thread may be busy
// (here: blocked in join). Nothing it does waits for the UI thread.
void QtFormTest::panesAndTextsFromAnotherThread() {
    form_->SetText(Control::编辑框2, "/target/");
    Text readPane;
    Text readTarget;
    std::thread worker([&] {
        for (int i = 1; i <= 1000; ++i) form_->SetPane(14, std::to_string(i));
        form_->SetPane(18, "1");
        readPane = form_->Pane(14);
        readTarget = form_->GetText(Control::编辑框2);
    });
    worker.join();
    QCOMPARE(readPane, Text("1000"));
    QCOMPARE(readTarget, Text("/target/"));
    auto* bar = static_cast<murvane::StatusBar*>(FindControl(form_->Window(), "状态条1"));
    QTRY_COMPARE(qobject_cast<QLabel*>(bar->PaneWidget(14))->text(), Q("1000"));
    QCOMPARE(qobject_cast<QLabel*>(bar->PaneWidget(18))->text(), Q("1"));
}

void QtFormTest::tooltipsInTheOrderAdded() {
    const std::vector<std::pair<Control, Text>> expected = {
        {Control::按钮1, "选择要搜索的目录"},
        {Control::按钮_处理一项, "处理右边列表框选择的项"},
        {Control::按钮_处理全部, "自动处理左边列表框选择的项，并保留重复文件的第一项不处理"},
        {Control::选择框_歌曲名, "选中将匹配文件中的歌曲名信息，"},
        {Control::选择框_艺术家, "选中将匹配文件中的艺术家信息"},
        {Control::选择框_文件名, "选中将匹配文件名"},
        {Control::选择框_MP3, "选中将搜索MP3音乐文件"},
        {Control::选择框_WMA, "选中将搜索WMA音乐文件"},
        {Control::选择框3, "单击左边列表框中项目时，自行选择右边列表框中的重复项"},
    };
    QVERIFY(form_->Tooltips().Added() == expected);
}

// Shown on resting, even while another window is active; centred below; one line.
void QtFormTest::tooltipShowsCentredBelowItsControl() {
    QWidget other;
    other.resize(50, 50);
    other.move(0, 0);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!form_->Window().isActiveWindow());

    QWidget* button = FindControl(form_->Window(), "按钮1");
    const murvane::BalloonTip& balloon = form_->Tooltips().Balloon();
    QVERIFY(!balloon.isVisible());
    QTest::mouseMove(button, button->rect().center());
    QTRY_VERIFY(balloon.isVisible());
    QCOMPARE(balloon.Text(), Q("选择要搜索的目录"));
    const QPoint below = button->mapToGlobal(QPoint(0, button->height()));
    const QRect shown = balloon.geometry();
    QCOMPARE(shown.top(), below.y());
    QVERIFY(std::abs(shown.center().x() - button->mapToGlobal(button->rect().center()).x()) <= 1);
    QVERIFY(shown.width() > balloon.fontMetrics().horizontalAdvance(balloon.Text()));
    QVERIFY(shown.height() < 2 * balloon.fontMetrics().height() + 10);  // one line

    QTest::mouseMove(FindControl(form_->Window(), "标签1"));
    QTRY_VERIFY(!balloon.isVisible());
}

void QtFormTest::setTextRaisesOnceAfterTheTextIsInPlace_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("a new text") << Q("编辑框1") << QByteArray("/music");
    QTest::newRow("the text it has") << Q("编辑框2") << QByteArray(kPlaceholder);
    QTest::newRow("the empty text") << Q("编辑框2") << QByteArray();
    QTest::newRow("bytes that are not UTF-8") << Q("编辑框1") << QByteArray("/m\xff\xe4/x");
}

void QtFormTest::setTextRaisesOnceAfterTheTextIsInPlace() {
    QFETCH(QString, box);
    QFETCH(QByteArray, text);
    const Control id = box == Q("编辑框1") ? Control::编辑框1 : Control::编辑框2;
    const Text written = text.toStdString();
    Text seen = "unset";
    recorder_->onEvent = [&](Control, FormEvent, int) { seen = form_->GetText(id); };
    form_->SetText(id, written);
    QCOMPARE(recorder_->Count(id, FormEvent::TextChanged), 1);
    QCOMPARE(recorder_->events.size(), std::size_t{1});
    QCOMPARE(seen, written);
    QCOMPARE(form_->GetText(id), written);
    QCOMPARE(qobject_cast<QLineEdit*>(FindControl(form_->Window(), box.toUtf8()))->text(),
             QString::fromUtf8(text));
}

void QtFormTest::typingRaisesTextChanged() {
    QWidget* edit = FindControl(form_->Window(), "编辑框1");
    QTest::keyClicks(edit, "abc");
    QCOMPARE(recorder_->Count(Control::编辑框1, FormEvent::TextChanged), 3);
    QCOMPARE(form_->GetText(Control::编辑框1), Text("abc"));
}

// The target box's reaction writes its placeholder back when the user empties it.
void QtFormTest::reactionMayRewriteTheTextItWasToldAbout() {
    recorder_->onEvent = [&](Control control, FormEvent event, int) {
        if (control == Control::编辑框2 && event == FormEvent::TextChanged &&
            form_->GetText(Control::编辑框2).empty()) {
            form_->SetText(Control::编辑框2, kPlaceholder);
        }
    };
    auto* edit = qobject_cast<QLineEdit*>(FindControl(form_->Window(), "编辑框2"));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(recorder_->Count(Control::编辑框2, FormEvent::TextChanged), 2);
    QCOMPARE(edit->text(), Q(kPlaceholder));
    QCOMPARE(form_->GetText(Control::编辑框2), Text(kPlaceholder));
}

void QtFormTest::doubleClickOnTheTargetBox() {
    QWidget* edit = FindControl(form_->Window(), "编辑框2");
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::mouseDClick(edit, Qt::LeftButton);
    QCOMPARE(recorder_->Count(Control::编辑框2, FormEvent::DoubleClicked), 1);
    QCOMPARE(recorder_->Count(Control::编辑框2, FormEvent::TextChanged), 0);
}

void QtFormTest::programTickRaisesNoClick() {
    form_->SetTick(Control::选择框_艺术家, 1);
    form_->SetTick(Control::选择框_歌曲名, 0);
    form_->SetTick(Control::选择框_自动删除, 0);
    QCOMPARE(form_->Tick(Control::选择框_艺术家), 1);
    QCOMPARE(form_->Tick(Control::选择框_歌曲名), 0);
    QCOMPARE(form_->Tick(Control::选择框_自动删除), 0);
    QVERIFY(recorder_->events.empty());
}

void QtFormTest::userClickRaisesClickAfterTheTickChanged_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("bySpaceBar");
    QTest::addColumn<int>("tickAtEvent");
    QTest::newRow("mouse ticks") << Q("选择框_艺术家") << false << 1;
    QTest::newRow("mouse unticks") << Q("选择框_自动删除") << false << 0;
    QTest::newRow("space bar ticks") << Q("选择框_自动移动") << true << 1;
}

void QtFormTest::userClickRaisesClickAfterTheTickChanged() {
    QFETCH(QString, box);
    QFETCH(bool, bySpaceBar);
    QFETCH(int, tickAtEvent);
    const std::map<QString, Control> ids = {{Q("选择框_艺术家"), Control::选择框_艺术家},
                                            {Q("选择框_自动删除"), Control::选择框_自动删除},
                                            {Q("选择框_自动移动"), Control::选择框_自动移动}};
    const Control id = ids.at(box);
    int seen = -1;
    recorder_->onEvent = [&](Control, FormEvent, int) { seen = form_->Tick(id); };
    QWidget* widget = FindControl(form_->Window(), box.toUtf8());
    if (bySpaceBar) {
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Space);
    } else {
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    QCOMPARE(recorder_->Count(id, FormEvent::Clicked), 1);
    QCOMPARE(recorder_->events.size(), std::size_t{1});
    QCOMPARE(seen, tickAtEvent);
}

void QtFormTest::messageBoxes_data() {
    QTest::addColumn<bool>("yesNo");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("answer");
    QTest::newRow("error, OK") << false << int(QMessageBox::Ok) << int(MessageAnswer::Ok);
    QTest::newRow("question, Yes") << true << int(QMessageBox::Yes) << int(MessageAnswer::Yes);
    QTest::newRow("question, No") << true << int(QMessageBox::No) << int(MessageAnswer::No);
}

void QtFormTest::messageBoxes() {
    QFETCH(bool, yesNo);
    QFETCH(int, press);
    QFETCH(int, answer);
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality = Qt::NonModal;
    QColor frame;
    WhenModalOpens<QMessageBox>([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        buttons = box.standardButtons();
        modality = box.windowModality();
        QAbstractButton* button = box.button(QMessageBox::StandardButton(press));
        frame = PixelAt(*button, {button->width() / 2, 0});
        button->click();
    });
    const MessageAnswer answered =
        form_->ShowMessage("您这样匹配是错误的，是否更正！", "  重要提示...",
                           yesNo ? MessageKind::YesNoInfo : MessageKind::OkError);
    QCOMPARE(int(answered), answer);
    QCOMPARE(title, Q("  重要提示..."));
    QCOMPARE(text, Q("您这样匹配是错误的，是否更正！"));
    QCOMPARE(icon, yesNo ? QMessageBox::Information : QMessageBox::Critical);
    QCOMPARE(buttons, yesNo ? QMessageBox::Yes | QMessageBox::No
                            : QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(modality, Qt::ApplicationModal);
    QCOMPARE(frame, kOliveFrame);
}

void QtFormTest::folderPicker_data() {
    QTest::addColumn<QString>("choose");  // empty: cancel
    QTest::addColumn<QString>("expected");
    QTest::newRow("a folder") << "temp"
                              << "temp";
    QTest::newRow("the root") << "/"
                              << "/";
    QTest::newRow("cancel") << ""
                            << "";
}

void QtFormTest::folderPicker() {
    QFETCH(QString, choose);
    QFETCH(QString, expected);
    QTemporaryDir temp;
    if (choose == "temp") choose = temp.path();
    if (expected == "temp") expected = temp.path();
    QString title;
    WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        if (choose.isEmpty()) {
            dialog.reject();
            return;
        }
        dialog.setDirectory(choose);
        QMetaObject::invokeMethod(&dialog, "accept");  // as the dialog's Choose button does
    });
    const Text picked = form_->PickFolder("请选择目录...");
    QCOMPARE(title, Q("请选择目录..."));
    QCOMPARE(QString::fromStdString(picked), expected);
}

void QtFormTest::folderPathText_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "/home/music"
                           << "/home/music";
    QTest::newRow("trailing separator") << "/home/music/"
                                        << "/home/music";
    QTest::newRow("several trailing") << "/home/music//"
                                      << "/home/music";
    QTest::newRow("root") << "/"
                          << "/";
    QTest::newRow("cancelled") << ""
                               << "";
    QTest::newRow("not ASCII") << Q("/音乐/") << Q("/音乐");
}

void QtFormTest::folderPathText() {
    QFETCH(QString, path);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(murvane::FolderPathText(path)), text);
}

QTEST_MAIN(QtFormTest)
