// A window with a finished scan's results in place, for the review and disposal tests.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/event_bindings.h"
#include "ui/headless/headless_form.h"

namespace murvane::testing {

class ReviewWindow {
  public:
    explicit ReviewWindow(FileOperations& files = fileSystem_)
        : bindings_(state_, form_, files, DisposalPacing{{}, {}, {}}) {
        form_.RaiseCreated();
        ResetScanState(state_.match);
    }

    void AddGroup(const Text& title, std::vector<Text> paths, const Text& artist = "") {
        state_.match.groupTable.Append(DuplicateGroup{std::move(paths), title, artist, {}, {}});
    }
    void AddMainRow(const Text& title) {
        const int row = form_.AppendRow(Control::超级列表框_主);
        form_.SetCell(Control::超级列表框_主, row, 0, NumberText(row + 1));
        form_.SetCell(Control::超级列表框_主, row, 1, title);
    }

    std::vector<std::vector<Text>> DetailRows() const {
        std::vector<std::vector<Text>> rows;
        for (int row = 0; row < form_.RowCount(Control::超级列表框_辅); ++row) {
            rows.push_back({});
            for (int column = 0; column < kListColumns; ++column) {
                rows.back().push_back(form_.Cell(Control::超级列表框_辅, row, column));
            }
        }
        return rows;
    }
    std::vector<int> Ticks(Control list) const {
        std::vector<int> ticks;
        for (int row = 0; row < form_.RowCount(list); ++row) {
            ticks.push_back(form_.RowTick(list, row));
        }
        return ticks;
    }

    // Waits until the disposal worker has finished and released the queue.
    void WaitUntilIdle() const {
        while (state_.DisposalBusy != 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    static inline PosixFileOperations fileSystem_;
    AppState state_;
    HeadlessForm form_;
    EventBindings bindings_;
};

class ReviewFixture : public ::testing::Test, public ReviewWindow {};

}  // namespace murvane::testing
