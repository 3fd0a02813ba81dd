#include "qt_window_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOption>
#include <QTest>

#include "qt_test_support.h"
#include "ui/qt/qt_form.h"

using namespace murvane::testing;
using murvane::Control;
using murvane::Text;

namespace {

const QColor kStatusColour(196, 215, 240);
const QColor kDetailBackground(216, 243, 254);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

QString CaptionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) return group->title();
    return {};
}

}  // namespace

void QtWindowTest::controlTable_data() {
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

void QtWindowTest::controlTable() {
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

void QtWindowTest::colours_data() {
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

void QtWindowTest::colours() {
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
void QtWindowTest::framesInTheSchemeColour_data() {
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

void QtWindowTest::framesInTheSchemeColour() {
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

void QtWindowTest::backgroundsAsDrawn() {
    QWidget& window = form_->Window();
    QCOMPARE(PixelAt(window, {356, 30}), kWindowColour);  // between the criteria and MP3
    QWidget* statusBar = FindControl(window, "状态条1");
    QCOMPARE(PixelAt(*statusBar, {972, 10}), kStatusColour);  // beyond the last pane
    QTableView* detail = ListView(window, "超级列表框_辅");
    QCOMPARE(PixelAt(*detail->viewport(), detail->viewport()->rect().center()), kDetailBackground);
    QWidget* mp3 = FindControl(window, "选择框_MP3");
    QCOMPARE(PixelAt(*mp3, {mp3->width() - 1, mp3->height() / 2}), kWindowColour);
}

void QtWindowTest::fonts() {
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

void QtWindowTest::windowIsFixedWithoutMaximise() {
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
    // Centred with its frame and caption (985 x 600), which this platform does not draw; on a
    // screen smaller than that its top left corner stays in view.
    const QRect area = window.screen()->availableGeometry();
    QCOMPARE(window.pos(), QPoint(area.left() + std::max(0, (area.width() - 985) / 2),
                                  area.top() + std::max(0, (area.height() - 600) / 2)));
}

void QtWindowTest::focusMainWindowTakesTheFocusFromAControl() {
    QWidget* edit = FindControl(form_->Window(), "编辑框2");
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    form_->FocusMainWindow();
    QTRY_COMPARE(QApplication::focusWidget(), &form_->Window());
}

void QtWindowTest::colourSchemes_data() {
    QTest::addColumn<int>("scheme");
    QTest::addColumn<QColor>("frame");
    QTest::newRow("1 blue") << 1 << QColor(127, 157, 185);
    QTest::newRow("2 olive green") << 2 << kOliveFrame;
    QTest::newRow("3 silver") << 3 << QColor(165, 172, 178);
    QTest::newRow("no such scheme: unchanged") << 4 << kOliveFrame;
}

void QtWindowTest::colourSchemes() {
    QFETCH(int, scheme);
    QFETCH(QColor, frame);
    form_->UseColourScheme(scheme);
    QWidget* edit = FindControl(form_->Window(), "编辑框1");
    QCOMPARE(PixelAt(*edit, {0, edit->height() / 2}), frame);
    QPushButton later(Q("OK"));  // dialogs made afterwards get the scheme too
    later.resize(80, 24);
    QCOMPARE(PixelAt(later, {40, 0}), frame);
    form_->UseColourScheme(2);
}

void QtWindowTest::escapeCloses_data() {
    QTest::addColumn<int>("unused");
    for (const char* name :
         {"主窗口", "编辑框1", "编辑框2", "按钮2", "选择框3", "超级列表框_主", "超级列表框_辅"}) {
        QTest::newRow(name) << 0;
    }
}

void QtWindowTest::escapeCloses() {
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

void QtWindowTest::tooltipsInTheOrderAdded() {
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
void QtWindowTest::tooltipShowsCentredBelowItsControl() {
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

QTEST_MAIN(QtWindowTest)
