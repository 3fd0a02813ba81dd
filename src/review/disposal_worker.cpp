#include "review/disposal_worker.h"

#include <charconv>

#include "match/matcher.h"
#include "ui/panes.h"

namespace murvane {
namespace {

int PaneNumber(const Text& text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

DisposalWorker::DisposalWorker(AppState& state, Form& form, FileOperations& files,
                               DisposalPacing pacing)
    : state_(state), form_(form), files_(files), pacing_(pacing) {}

DisposalWorker::~DisposalWorker() {
    Shutdown();
}

void DisposalWorker::StartDisposalWorker() {
    {
        std::lock_guard lock(pauseMutex_);
        if (shuttingDown_) return;
    }
    state_.DisposalStopFlag = 0;
    std::this_thread::sleep_for(pacing_.beforeStart);
    // A worker that finished has already released DisposalBusy; wait for its thread to end.
    if (thread_.joinable()) thread_.join();
    thread_ = std::thread([this] { Run(); });
}

void DisposalWorker::Shutdown() {
    // The stop comes first: once the pauses are cut short, a worker that had not yet seen it
    // would race through the queue.
    state_.DisposalStopFlag = 1;
    {
        std::lock_guard lock(pauseMutex_);
        shuttingDown_ = true;
    }
    pauseEnded_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void DisposalWorker::Run() {
    for (;;) {
        while (const auto path = state_.disposalQueue.Head()) {
            Dispose(*path);
            state_.disposalQueue.RemoveHead();
            form_.SetPane(kDisposedPane, NumberText(state_.DisposedCount));
            Pause(pacing_.afterFile);
            if (state_.DisposalStopFlag != 0) {
                state_.disposalQueue.Clear();
                break;
            }
        }
        form_.SetPane(kTaskPane, " 恭喜，全部处理完成！");
        Pause(pacing_.atEnd);
        if (state_.disposalQueue.ReleaseIfEmpty(state_.DisposalBusy)) return;
        // Paths were queued while this run was finishing, by requests that saw it still busy:
        // take them up as the new run they asked for.
        std::lock_guard lock(pauseMutex_);
        if (shuttingDown_) {
            state_.disposalQueue.Clear();
        } else {
            state_.DisposalStopFlag = 0;
        }
    }
}

void DisposalWorker::Dispose(const Text& path) {
    form_.SetPane(kTaskPane, " 正在处理：" + path);
    if (state_.DeleteMode == 1) Count(files_.Delete(path));
    if (state_.MoveMode == 1) Count(Move(path, form_.GetText(Control::编辑框2) + FileNameOf(path)));
}

// A rename, or else a complete copy followed by the deletion of the source. Neither step ever
// replaces an existing file.
bool DisposalWorker::Move(const Text& path, const Text& target) {
    if (files_.Rename(path, target)) return true;
    if (!files_.Copy(path, target)) return false;
    files_.Delete(path);
    return true;
}

void DisposalWorker::Count(bool succeeded) {
    if (succeeded) {
        ++state_.DisposedCount;
    } else {
        form_.SetPane(kFailuresPane, NumberText(PaneNumber(form_.Pane(kFailuresPane)) + 1));
    }
}

void DisposalWorker::Pause(std::chrono::milliseconds duration) {
    std::unique_lock lock(pauseMutex_);
    pauseEnded_.wait_for(lock, duration, [this] { return shuttingDown_; });
}

}  // namespace murvane
