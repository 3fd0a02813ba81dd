#include "review/disposal_queue.h"

namespace murvane {

bool DisposalQueue::Append(const Text& path, std::atomic<int>& busy) {
    std::lock_guard lock(mutex_);
    paths_.push_back(path);
    return busy.exchange(1) == 0;
}

std::optional<Text> DisposalQueue::Head() const {
    std::lock_guard lock(mutex_);
    if (paths_.empty()) return std::nullopt;
    return paths_.front();
}

void DisposalQueue::RemoveHead() {
    std::lock_guard lock(mutex_);
    if (!paths_.empty()) paths_.pop_front();
}

void DisposalQueue::Clear() {
    std::lock_guard lock(mutex_);
    paths_.clear();
}

std::size_t DisposalQueue::Size() const {
    std::lock_guard lock(mutex_);
    return paths_.size();
}

bool DisposalQueue::ReleaseIfEmpty(std::atomic<int>& busy) {
    std::lock_guard lock(mutex_);
    if (!paths_.empty()) return false;
    busy = 0;
    return true;
}

}  // namespace murvane
