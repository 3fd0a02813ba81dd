// File operations that record what the worker asked for and answer as told, optionally holding
// each call until the test lets it go, so that a test can act while a file is in hand.
#pragma once

#include <condition_variable>
#include <mutex>
#include <set>
#include <vector>

#include "platform/file_operations.h"

namespace murvane::testing {

class RecordingFileOperations : public FileOperations {
  public:
    bool Delete(const Text& path) override { return Record("delete " + path, path); }
    bool Rename(const Text& from, const Text& to) override {
        return Record("rename " + from + " " + to, from);
    }
    bool Copy(const Text& from, const Text& to) override {
        return Record("copy " + from + " " + to, from);
    }

    void FailFor(const Text& path) {
        std::lock_guard lock(mutex_);
        failing_.insert(path);
    }
    // Every call waits until Release(); Calls() shows which one is waiting.
    void Hold() {
        std::lock_guard lock(mutex_);
        held_ = true;
    }
    void Release() {
        {
            std::lock_guard lock(mutex_);
            held_ = false;
        }
        changed_.notify_all();
    }
    void WaitForCalls(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return calls_.size() >= count; });
    }
    std::vector<Text> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

  private:
    bool Record(const Text& call, const Text& path) {
        std::unique_lock lock(mutex_);
        calls_.push_back(call);
        changed_.notify_all();
        changed_.wait(lock, [&] { return !held_; });
        return !failing_.contains(path);
    }

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Text> calls_;
    std::set<Text> failing_;
    bool held_ = false;
};

}  // namespace murvane::testing
