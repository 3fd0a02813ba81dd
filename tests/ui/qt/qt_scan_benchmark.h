// Run by hand: how fast the real window scans a tree, and how soon a stop press ends the walk.
//   MURVANE_BENCH_DIR=/tmp/corpus20k qt_scan_benchmark
#pragma once

#include <QObject>

class QtScanBenchmark : public QObject {
    Q_OBJECT

  private slots:
    void scanTheTree();
    void stopPressEndsTheWalk();
};
