#include "qt_disposal_test.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "program_window.h"
#include "qt_test_support.h"
#include "ui/qt/qt_form.h"

using murvane::Control;
using murvane::Text;
using murvane::testing::FindControl;

namespace {

const QString kData = QStringLiteral(MURVANE_TEST_DATA "/tags/");
const Text kSong = "Caf\xC3\xA9 \xE4\xB8\xAD\xE6\x96\x87 \xE4\xBB\xBF \xF0\x9F\x8E\xB5";

void CopyData(const char* from, const QString& to) {
    QDir().mkpath(QFileInfo(to).path());
    QVERIFY(QFile::copy(kData + from, to));
}

// Answers the next modal dialog the way a user would, once it is open.
void WhenADialogOpens(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) return;
        poll->stop();
        poll->deleteLater();
        answer(dialog);
    });
    poll->start(10);
}

void ClickYes(QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    QVERIFY(box != nullptr);
    box->button(QMessageBox::Yes)->click();
}

}  // namespace

QtDisposalTest::QtDisposalTest() = default;
QtDisposalTest::~QtDisposalTest() = default;

void QtDisposalTest::init() {
    tree_ = std::make_unique<QTemporaryDir>();
    QVERIFY(tree_->isValid());
    CopyData("id3v23_enc1.mp3", tree_->filePath("a/song.mp3"));
    CopyData("id3v24_enc3.mp3", tree_->filePath("b/song.mp3"));
    CopyData("id3v23_enc1.mp3", tree_->filePath("c/song copy.mp3"));
    CopyData("tagged.wma", tree_->filePath("a/track.wma"));
    CopyData("tagged.wma", tree_->filePath("c/track.wma"));
    CopyData("both_tags.mp3", tree_->filePath("b/other.mp3"));

    program_ = std::make_unique<murvane::testing::ProgramWindow>();
    state_ = &program_->state;
    form_ = &program_->form;
    QVERIFY(QTest::qWaitForWindowActive(&form_->Window()));
}

void QtDisposalTest::cleanup() {
    program_.reset();
    tree_.reset();
}

void QtDisposalTest::ScanTheTree() {
    QWidget& window = form_->Window();
    QTest::mouseClick(FindControl(window, "选择框_WMA"), Qt::LeftButton);
    QTest::keyClicks(FindControl(window, "编辑框1"), tree_->path());
    Press("按钮2");
    QCOMPARE(form_->RowCount(Control::超级列表框_主), 2);
    QCOMPARE(form_->Cell(Control::超级列表框_主, 0, 1), kSong);
    QCOMPARE(form_->Cell(Control::超级列表框_主, 0, 3), Text("3"));
    QCOMPARE(form_->Cell(Control::超级列表框_主, 1, 1), Text("WMA Title"));
    QCOMPARE(form_->Cell(Control::超级列表框_主, 1, 3), Text("2"));
}

void QtDisposalTest::ClickMainRow(int row) {
    auto* list = qobject_cast<QAbstractItemView*>(FindControl(form_->Window(), "超级列表框_主"));
    QVERIFY(list != nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 1)).center());
}

void QtDisposalTest::Press(const char* button) {
    QTest::mouseClick(FindControl(form_->Window(), button), Qt::LeftButton);
}

void QtDisposalTest::WaitForTheWorker() {
    QTRY_COMPARE_WITH_TIMEOUT(state_->DisposalBusy.load(), 0, 20000);
}

void QtDisposalTest::processTickedDeletesTheAutoSelectedCopies() {
    ScanTheTree();
    ClickMainRow(0);
    QCOMPARE(form_->RowCount(Control::超级列表框_辅), 3);
    const Text dir = tree_->path().toStdString() + "/";
    QCOMPARE(form_->Cell(Control::超级列表框_辅, 2, 3), dir + "c/song copy.mp3");
    QCOMPARE(form_->RowTick(Control::超级列表框_辅, 0), 0);
    QCOMPARE(form_->RowTick(Control::超级列表框_辅, 1), 1);
    QCOMPARE(form_->RowTick(Control::超级列表框_辅, 2), 1);

    Press("按钮_处理一项");
    WaitForTheWorker();
    QVERIFY(QFile::exists(tree_->filePath("a/song.mp3")));
    QVERIFY(!QFile::exists(tree_->filePath("b/song.mp3")));
    QVERIFY(!QFile::exists(tree_->filePath("c/song copy.mp3")));
    QCOMPARE(form_->Pane(14), Text("2"));
    QCOMPARE(form_->Pane(18), Text(""));
    QTRY_COMPARE(form_->Pane(2), Text(" 恭喜，全部处理完成！"));
}

void QtDisposalTest::processTickedMovesIntoTheChosenDirectory() {
    const QString target = tree_->filePath("kept aside");
    QVERIFY(QDir().mkpath(target));
    ScanTheTree();
    WhenADialogOpens([target](QWidget* dialog) {
        auto* picker = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(picker != nullptr);
        picker->setDirectory(target);
        picker->findChild<QLineEdit*>()->setText(target);
        QMetaObject::invokeMethod(picker, "accept", Qt::QueuedConnection);
    });
    Press("选择框_自动移动");
    QCOMPARE(form_->GetText(Control::编辑框2), target.toStdString() + "/");
    QCOMPARE(form_->Tick(Control::选择框_自动删除), 0);

    ClickMainRow(1);
    Press("按钮_处理一项");
    WaitForTheWorker();
    QVERIFY(QFile::exists(tree_->filePath("a/track.wma")));
    QVERIFY(!QFile::exists(tree_->filePath("c/track.wma")));
    QVERIFY(QFile::exists(target + "/track.wma"));
    QCOMPARE(form_->Pane(14), Text("1"));
}

void QtDisposalTest::processAllAsksAndDeletesEveryCopyButTheFirst() {
    ScanTheTree();
    WhenADialogOpens([](QWidget* dialog) {
        ClickYes(dialog);            // "take every row?"
        WhenADialogOpens(ClickYes);  // "delete for good?"
    });
    Press("按钮_处理全部");
    QCOMPARE(form_->Caption(Control::按钮_处理全部), Text("停止处理"));
    WaitForTheWorker();
    QStringList left;
    for (const char* dir : {"a", "b", "c"}) {
        for (const QString& name : QDir(tree_->filePath(dir)).entryList(QDir::Files)) {
            left << QString("%1/%2").arg(dir, name);
        }
    }
    QCOMPARE(left, (QStringList{"a/song.mp3", "a/track.wma", "b/other.mp3"}));
    QCOMPARE(form_->Pane(14), Text("3"));
}

QTEST_MAIN(QtDisposalTest)
