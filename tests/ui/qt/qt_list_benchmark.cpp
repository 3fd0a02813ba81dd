#include "qt_list_benchmark.h"

#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "qt_test_support.h"
#include "ui/qt/qt_form.h"

using murvane::Control;
using murvane::testing::FindControl;

namespace {

constexpr int kRows = 100000;
constexpr Control kList = Control::超级列表框_主;

// Fills the main list the way the matcher does: append a row, then write its cells.
void Fill(murvane::QtForm& form) {
    for (int i = 0; i < kRows; ++i) {
        const int row = form.AppendRow(kList);
        form.SetCell(kList, row, 0, std::to_string(row + 1));
        form.SetCell(kList, row, 1, "A song title of ordinary length " + std::to_string(i));
        form.SetCell(kList, row, 2, "An artist");
        form.SetCell(kList, row, 3, "2");
    }
}

QTableView& MainList(murvane::QtForm& form) {
    return *qobject_cast<QTableView*>(FindControl(form.Window(), "超级列表框_主"));
}

}  // namespace

void QtListBenchmark::fillAHundredThousandRows() {
    murvane::QtForm form;
    form.ShowCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&form.Window()));
    QBENCHMARK_ONCE {
        Fill(form);
        QCoreApplication::processEvents();
    }
    QCOMPARE(form.RowCount(kList), kRows);
}

void QtListBenchmark::scrollThroughAHundredThousandRows() {
    murvane::QtForm form;
    form.ShowCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&form.Window()));
    Fill(form);
    QScrollBar& bar = *MainList(form).verticalScrollBar();
    QBENCHMARK_ONCE {
        for (int step = 0; step <= 100; ++step) {
            bar.setValue(bar.maximum() * step / 100);
            MainList(form).viewport()->repaint();
        }
    }
}

void QtListBenchmark::selectAllAndReadTheSelection() {
    murvane::QtForm form;
    form.ShowCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&form.Window()));
    Fill(form);
    MainList(form).selectAll();
    std::size_t selected = 0;
    QBENCHMARK_ONCE {
        selected = form.SelectedRows(kList).size();
    }
    QCOMPARE(selected, std::size_t{kRows});
}

QTEST_MAIN(QtListBenchmark)
