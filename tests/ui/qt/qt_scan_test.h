// The window program's path through a scan: start it from the window, and close the window
// while it runs. (The test class lives in a header of its own: moc cannot read control names.)
#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <memory>

namespace murvane {
class AppState;
class QtForm;
namespace testing {
struct ProgramWindow;
}
}  // namespace murvane

class QtScanTest : public QObject {
    Q_OBJECT

  public:
    QtScanTest();
    ~QtScanTest() override;

  private slots:
    void init();
    void cleanup();

    void scanOfASmallTree();
    void closingDuringAScanEndsCleanly_data();
    void closingDuringAScanEndsCleanly();
    void closingWhileTheDisposalWorkerRuns();

  private:
    std::unique_ptr<QTemporaryDir> tree_;
    std::unique_ptr<murvane::testing::ProgramWindow> program_;
    murvane::AppState* state_ = nullptr;  // the program's, for short
    murvane::QtForm* form_ = nullptr;
};
