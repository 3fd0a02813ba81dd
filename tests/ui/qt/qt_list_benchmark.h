// How the report lists cope with many rows: filling, scrolling, selecting and reading back.
// Run by hand (QT_QPA_PLATFORM=offscreen qt_list_benchmark); it is no pass/fail test.
#pragma once

#include <QObject>

class QtListBenchmark : public QObject {
    Q_OBJECT

  private slots:
    void fillAHundredThousandRows();
    void scrollThroughAHundredThousandRows();
    void selectAllAndReadTheSelection();
};
