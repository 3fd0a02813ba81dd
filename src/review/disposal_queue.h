// The paths waiting for the disposal worker, first in, first out, under one lock. The test of
// DisposalBusy by a request and the worker's last look at the queue happen under the same lock,
// so no path can be left waiting with no worker to take it up.
#pragma once

#include <atomic>
#include <deque>
#include <mutex>
#include <optional>

#include "text/text.h"

namespace murvane {

class DisposalQueue {
  public:
    // Appends a path. True when no worker was running: `busy` is then 1 and the caller must
    // start one.
    bool Append(const Text& path, std::atomic<int>& busy);
    std::optional<Text> Head() const;  // a copy of the head
    void RemoveHead();
    void Clear();
    std::size_t Size() const;
    // The worker's last step: when the queue is empty, sets `busy` to 0 and answers true.
    bool ReleaseIfEmpty(std::atomic<int>& busy);

  private:
    mutable std::mutex mutex_;
    std::deque<Text> paths_;
};

}  // namespace murvane
