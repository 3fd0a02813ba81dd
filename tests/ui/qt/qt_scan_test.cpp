#include "qt_scan_test.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "program_window.h"
#include "qt_test_support.h"
#include "ui/qt/qt_form.h"

using murvane::Control;
using murvane::Text;
using murvane::testing::FindControl;

namespace {

// A file that is nothing but an ID3v1 block: "TAG", then the 30-byte title and artist fields,
// album, year, comment and genre left empty.
void WriteMp3(const QString& path, const QByteArray& title) {
    QByteArray tag(128, '\0');
    tag.replace(0, 3, "TAG");
    tag.replace(3, title.size(), title);
    tag.replace(33, 6, "Artist");
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(64, '\x55'));  // stands in for audio frames
    file.write(tag);
}

int FilesSeen(const murvane::QtForm& form) {
    return QString::fromStdString(form.Pane(6)).toInt();
}

}  // namespace

QtScanTest::QtScanTest() = default;
QtScanTest::~QtScanTest() = default;

// As the program starts: state, window, bindings, the creation event, the window shown.
void QtScanTest::init() {
    tree_ = std::make_unique<QTemporaryDir>();
    QVERIFY(tree_->isValid());
    program_ = std::make_unique<murvane::testing::ProgramWindow>();
    state_ = &program_->state;
    form_ = &program_->form;
    QVERIFY(QTest::qWaitForWindowActive(&form_->Window()));
}

// As the program ends: the bindings, the window, then the state.
void QtScanTest::cleanup() {
    program_.reset();
    tree_.reset();
}

void QtScanTest::scanOfASmallTree() {
    WriteMp3(tree_->filePath("a/one.mp3"), "Song");
    WriteMp3(tree_->filePath("b/two.mp3"), "Song");
    WriteMp3(tree_->filePath("b/three.mp3"), "Other");
    QFile notes(tree_->filePath("notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));

    QWidget& window = form_->Window();
    QTest::keyClicks(FindControl(window, "编辑框1"), tree_->path());
    QCOMPARE(QString::fromStdString(form_->GetText(Control::编辑框1)), tree_->path());
    QTest::mouseClick(FindControl(window, "按钮2"), Qt::LeftButton);

    QCOMPARE(FilesSeen(*form_), 3);
    QCOMPARE(form_->Pane(2), Text(" 恭喜，搜索完毕！！"));
    QCOMPARE(form_->Caption(Control::按钮2), Text("开始"));
    QCOMPARE(state_->ScanStopFlag, 1);
    QCOMPARE(form_->RowCount(Control::超级列表框_主), 1);
    QCOMPARE(form_->Cell(Control::超级列表框_主, 0, 1), Text("Song"));
}

void QtScanTest::closingDuringAScanEndsCleanly_data() {
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("close button") << false;
    QTest::newRow("Esc") << true;
}

// The window is closed from inside the scan's event processing; the scan stops at once, the
// event loop ends, and the state and the window go away without a fault.
void QtScanTest::closingDuringAScanEndsCleanly() {
    QFETCH(bool, byEscape);
    constexpr int kFiles = 3000;  // enough for the scan to handle events several times
    for (int i = 0; i < kFiles; ++i) {
        WriteMp3(tree_->filePath(QStringLiteral("d%1/f%2.mp3").arg(i % 3).arg(i)),
                 QByteArray("Title ") + QByteArray::number(i % 7));
    }
    QWidget& window = form_->Window();
    form_->SetText(Control::编辑框1, tree_->path().toStdString());

    int seenAtClose = -1;
    QTimer closer;  // fires inside the scan's event processing
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (FilesSeen(*form_) < 5) return;
        closer.stop();
        seenAtClose = FilesSeen(*form_);
        if (byEscape) {
            QTest::keyClick(&window, Qt::Key_Escape);
        } else {
            window.close();
        }
    });
    QTimer::singleShot(0, [&] {
        closer.start();
        QTest::mouseClick(FindControl(window, "按钮2"), Qt::LeftButton);
    });
    QTimer::singleShot(30000, qApp, &QCoreApplication::quit);  // a hang fails, not blocks

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(seenAtClose >= 5);
    QVERIFY(!window.isVisible());
    QCOMPARE(state_->ScanStopFlag, 1);
    QCOMPARE(FilesSeen(*form_), seenAtClose);
    QVERIFY(FilesSeen(*form_) < kFiles);
}

// The worker writes the status bar from its own thread while the window closes; closing waits
// for it to finish its file, and nothing waits on anything that waits back.
void QtScanTest::closingWhileTheDisposalWorkerRuns() {
    constexpr int kCopies = 12;
    for (int i = 0; i < kCopies; ++i) {
        WriteMp3(tree_->filePath(QStringLiteral("copies/s%1.mp3").arg(i, 2, 10, QChar('0'))),
                 "Song");
    }
    QWidget& window = form_->Window();
    form_->SetText(Control::编辑框1, tree_->path().toStdString());
    QTest::mouseClick(FindControl(window, "按钮2"), Qt::LeftButton);
    QCOMPARE(form_->RowCount(Control::超级列表框_主), 1);
    auto* mainList = qobject_cast<QAbstractItemView*>(FindControl(window, "超级列表框_主"));
    QTest::mouseClick(mainList->viewport(), Qt::LeftButton, {},
                      mainList->visualRect(mainList->model()->index(0, 1)).center());
    QCOMPARE(form_->RowCount(Control::超级列表框_辅), kCopies);

    int disposedAtClose = -1;
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        const int disposed = QString::fromStdString(form_->Pane(14)).toInt();
        if (disposed < 1) return;
        closer.stop();
        disposedAtClose = disposed;
        window.close();
    });
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(FindControl(window, "按钮_处理一项"), Qt::LeftButton);
        closer.start();
    });
    QTimer::singleShot(30000, qApp, &QCoreApplication::quit);

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(disposedAtClose >= 1);
    QVERIFY(!window.isVisible());
    const int left =
        static_cast<int>(QDir(tree_->filePath("copies")).entryList(QDir::Files).size());
    // Stopped after the file in hand: the kept copy and at least one queued copy remain.
    QVERIFY2(left >= 2, qPrintable(QStringLiteral("the worker went on after the window closed: %1 "
                                                  "of %2 copies left")
                                       .arg(left)
                                       .arg(kCopies)));
    QVERIFY(QFile::exists(tree_->filePath("copies/s00.mp3")));  // the kept copy
}

QTEST_MAIN(QtScanTest)
