#include "qt_scan_benchmark.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "program_window.h"
#include "qt_test_support.h"
#include "ui/qt/qt_form.h"

using murvane::Control;
using murvane::testing::FindControl;

namespace {

// The program's window with both kinds ticked and the benchmark's directory typed in.
struct Window : murvane::testing::ProgramWindow {
    Window() {
        form.SetTick(Control::选择框_WMA, 1);
        form.SetText(Control::编辑框1, qgetenv("MURVANE_BENCH_DIR").toStdString());
    }
    QWidget* StartButton() { return FindControl(form.Window(), "按钮2"); }
};

// A press as the window system delivers it: queued, handled when the window next looks.
void PostClick(QWidget* button) {
    const QPointF centre = QRectF(button->rect()).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QCoreApplication::postEvent(
            button, new QMouseEvent(type, centre, button->mapToGlobal(centre), Qt::LeftButton,
                                    Qt::LeftButton, Qt::NoModifier));
    }
}

}  // namespace

void QtScanBenchmark::scanTheTree() {
    if (qEnvironmentVariableIsEmpty("MURVANE_BENCH_DIR")) QSKIP("set MURVANE_BENCH_DIR");
    Window window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.form.Window()));
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(window.StartButton(), Qt::LeftButton);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    std::printf("window scan: %d files in %.3f s, %.0f files/s, %d duplicates\n",
                window.state.match.FilesSeenCount, seconds,
                window.state.match.FilesSeenCount / seconds, window.state.match.DuplicateCount);
}

void QtScanBenchmark::stopPressEndsTheWalk() {
    if (qEnvironmentVariableIsEmpty("MURVANE_BENCH_DIR")) QSKIP("set MURVANE_BENCH_DIR");
    Window window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.form.Window()));
    QElapsedTimer sincePress;
    QTimer::singleShot(50, [&] {
        sincePress.start();
        PostClick(window.StartButton());
    });
    QTest::mouseClick(window.StartButton(), Qt::LeftButton);
    std::printf("stop: the walk returned %.1f ms after the press was queued (%d files seen)\n",
                static_cast<double>(sincePress.nsecsElapsed()) / 1e6,
                window.state.match.FilesSeenCount);
}

QTEST_MAIN(QtScanBenchmark)
