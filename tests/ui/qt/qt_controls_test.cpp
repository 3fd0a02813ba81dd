#include "qt_controls_test.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <map>
#include <thread>

#include "qt_test_support.h"
#include "ui/qt/qt_form.h"
#include "ui/qt/status_bar.h"

using namespace murvane::testing;
using murvane::Control;
using murvane::FormEvent;
using murvane::Text;

namespace {

const char* const kPlaceholder = " 双击修改目录";

}  // namespace

void QtControlsTest::setTextRaisesOnceAfterTheTextIsInPlace_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("a new text") << Q("编辑框1") << QByteArray("/music");
    QTest::newRow("the text it has") << Q("编辑框2") << QByteArray(kPlaceholder);
    QTest::newRow("the empty text") << Q("编辑框2") << QByteArray();
    QTest::newRow("bytes that are not UTF-8") << Q("编辑框1") << QByteArray("/m\xff\xe4/x");
}

void QtControlsTest::setTextRaisesOnceAfterTheTextIsInPlace() {
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

void QtControlsTest::typingRaisesTextChanged() {
    QWidget* edit = FindControl(form_->Window(), "编辑框1");
    QTest::keyClicks(edit, "abc");
    QCOMPARE(recorder_->Count(Control::编辑框1, FormEvent::TextChanged), 3);
    QCOMPARE(form_->GetText(Control::编辑框1), Text("abc"));
}

// The target box's reaction writes its placeholder back when the user empties it.
void QtControlsTest::reactionMayRewriteTheTextItWasToldAbout() {
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

void QtControlsTest::doubleClickOnTheTargetBox() {
    QWidget* edit = FindControl(form_->Window(), "编辑框2");
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::mouseDClick(edit, Qt::LeftButton);
    QCOMPARE(recorder_->Count(Control::编辑框2, FormEvent::DoubleClicked), 1);
    QCOMPARE(recorder_->Count(Control::编辑框2, FormEvent::TextChanged), 0);
}

void QtControlsTest::programTickRaisesNoClick() {
    form_->SetTick(Control::选择框_艺术家, 1);
    form_->SetTick(Control::选择框_歌曲名, 0);
    form_->SetTick(Control::选择框_自动删除, 0);
    QCOMPARE(form_->Tick(Control::选择框_艺术家), 1);
    QCOMPARE(form_->Tick(Control::选择框_歌曲名), 0);
    QCOMPARE(form_->Tick(Control::选择框_自动删除), 0);
    QVERIFY(recorder_->events.empty());
}

void QtControlsTest::userClickRaisesClickAfterTheTickChanged_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("bySpaceBar");
    QTest::addColumn<int>("tickAtEvent");
    QTest::newRow("mouse ticks") << Q("选择框_艺术家") << false << 1;
    QTest::newRow("mouse unticks") << Q("选择框_自动删除") << false << 0;
    QTest::newRow("space bar ticks") << Q("选择框_自动移动") << true << 1;
}

void QtControlsTest::userClickRaisesClickAfterTheTickChanged() {
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

void QtControlsTest::statusBarPanes_data() {
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

void QtControlsTest::statusBarPanes() {
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

void QtControlsTest::statusBarDockedAlongTheBottom() {
    QWidget* bar = FindControl(form_->Window(), "状态条1");
    QCOMPARE(bar->geometry(), QRect(0, 552, 979, 20));
    QCOMPARE(bar->geometry().bottom(), form_->Window().height() - 1);
    QVERIFY(bar->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size() == 19);
    form_->SetPane(2, "scanning");
    QCOMPARE(form_->Pane(2), Text("scanning"));
}

void QtControlsTest::paneIndicesOutsideTheBarAreIgnored() {
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
void QtControlsTest::panesAndTextsFromAnotherThread() {
    form_->SetText(Control::编辑框2, "/target/");
    recorder_->events.clear();
    Text readPane;
    Text readTarget;
    Text readWritten;
    std::thread worker([&] {
        for (int i = 1; i <= 1000; ++i) form_->SetPane(14, std::to_string(i));
        form_->SetPane(18, "1");
        readPane = form_->Pane(14);
        readTarget = form_->GetText(Control::编辑框2);
        form_->SetText(Control::编辑框1, "/from/worker");
        readWritten = form_->GetText(Control::编辑框1);
    });
    worker.join();
    QCOMPARE(readPane, Text("1000"));
    QCOMPARE(readTarget, Text("/target/"));
    QCOMPARE(readWritten, Text("/from/worker"));
    // The event of a write from another thread is raised on the UI thread, once.
    QVERIFY(recorder_->events.empty());
    QTRY_COMPARE(recorder_->Count(Control::编辑框1, FormEvent::TextChanged), 1);
    QCOMPARE(qobject_cast<QLineEdit*>(FindControl(form_->Window(), "编辑框1"))->text(),
             Q("/from/worker"));
    auto* bar = static_cast<murvane::StatusBar*>(FindControl(form_->Window(), "状态条1"));
    QTRY_COMPARE(qobject_cast<QLabel*>(bar->PaneWidget(14))->text(), Q("1000"));
    QCOMPARE(qobject_cast<QLabel*>(bar->PaneWidget(18))->text(), Q("1"));
}

QTEST_MAIN(QtControlsTest)
