// The background worker that deletes or moves the queued paths one by one, as the disposal
// options say at that moment, and counts successes and failures in the status bar.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "app/app_state.h"
#include "platform/file_operations.h"
#include "ui/form.h"

namespace murvane {

// The worker paces itself so that a user can watch and stop it.
struct DisposalPacing {
    std::chrono::milliseconds beforeStart{500};
    std::chrono::milliseconds afterFile{100};
    std::chrono::milliseconds atEnd{500};
};

class DisposalWorker {
  public:
    DisposalWorker(AppState& state, Form& form, FileOperations& files, DisposalPacing pacing);
    ~DisposalWorker();
    DisposalWorker(const DisposalWorker&) = delete;
    DisposalWorker& operator=(const DisposalWorker&) = delete;

    // Called on the UI thread by a request whose append found no worker running (DisposalBusy
    // is already 1): clears the stop flag, pauses, and starts the worker thread.
    void StartDisposalWorker();
    // Asks a running worker to stop after its current file and waits for it; no later request
    // starts another one.
    void Shutdown();

  private:
    void Run();
    void Dispose(const Text& path);
    bool Move(const Text& path, const Text& target);
    void Count(bool succeeded);
    // Sleeps, unless the program is shutting down.
    void Pause(std::chrono::milliseconds duration);

    AppState& state_;
    Form& form_;
    FileOperations& files_;
    DisposalPacing pacing_;
    std::thread thread_;
    std::mutex pauseMutex_;
    std::condition_variable pauseEnded_;
    bool shuttingDown_ = false;  // guarded by pauseMutex_
};

}  // namespace murvane
