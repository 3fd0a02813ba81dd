// The whole cycle in the real window: scan real tagged files, pick a title, see the copies
// chosen for disposal, and delete or move them.
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

class QtDisposalTest : public QObject {
    Q_OBJECT

  public:
    QtDisposalTest();
    ~QtDisposalTest() override;

  private slots:
    void init();
    void cleanup();

    void processTickedDeletesTheAutoSelectedCopies();
    void processTickedMovesIntoTheChosenDirectory();
    void processAllAsksAndDeletesEveryCopyButTheFirst();

  private:
    void ScanTheTree();
    void ClickMainRow(int row);
    void Press(const char* button);
    void WaitForTheWorker();

    std::unique_ptr<QTemporaryDir> tree_;
    std::unique_ptr<murvane::testing::ProgramWindow> program_;
    murvane::AppState* state_ = nullptr;  // the program's, for short
    murvane::QtForm* form_ = nullptr;
};
