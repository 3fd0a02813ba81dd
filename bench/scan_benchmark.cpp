// Times the window's scan, run headless exactly as the start button runs it, against the least
// any scan must do: open every accepted file, read the bytes the tag readers need, close it.
//
//   murvane_scan_benchmark DIR [RUNS]
//
// Prints the median of RUNS (default 5) for both, their ratio, files per second, the peak
// resident memory of the process, and how long a stop request took to end the walk.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/event_bindings.h"
#include "ui/headless/headless_form.h"

namespace {

using namespace murvane;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

// `work` returns the seconds it took by its own clock.
double MedianSeconds(int runs, const std::function<double()>& work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) times.push_back(work());
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double TimeOf(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return Seconds(Clock::now() - start);
}

bool EndsWith(const std::string& name, const char* upper, const char* lower) {
    if (name.size() < 3) return false;
    const std::string tail = name.substr(name.size() - 3);
    return tail == upper || tail == lower;
}

// The bytes of an ID3v2 tag (header and body), or of an ASF Header Object, or else the 128
// bytes of an ID3v1 block.
void ReadWhatTheReadersNeed(const std::string& path, bool wma, std::vector<char>& buffer) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    std::array<unsigned char, 30> head{};
    const ssize_t got = read(fd, head.data(), head.size());
    std::size_t size = 0;
    if (wma && got >= 24) {
        for (int i = 7; i >= 0; --i) size = size * 256 + head[16 + static_cast<std::size_t>(i)];
    } else if (!wma && got >= 10 && head[0] == 'I' && head[1] == 'D' && head[2] == '3') {
        size = 10 + ((head[6] & 0x7Fu) << 21 | (head[7] & 0x7Fu) << 14 | (head[8] & 0x7Fu) << 7 |
                     (head[9] & 0x7Fu));
    }
    if (size > head.size()) {
        buffer.resize(std::min<std::size_t>(size, 1 << 24));
        if (pread(fd, buffer.data(), buffer.size(), 0) < 0) buffer.clear();
    } else if (!wma) {
        buffer.resize(128);
        if (lseek(fd, -128, SEEK_END) >= 0 && read(fd, buffer.data(), 128) < 0) buffer.clear();
    }
    close(fd);
}

std::size_t BaselineScan(const std::filesystem::path& root) {
    std::size_t files = 0;
    std::vector<char> buffer;
    for (auto it = std::filesystem::recursive_directory_iterator(root);
         it != std::filesystem::recursive_directory_iterator(); ++it) {
        const auto& entry = *it;
        const std::string name = entry.path().filename().string();
        // The scan enters no directory whose name holds a full stop.
        if (entry.is_directory() && name.find('.') != std::string::npos) {
            it.disable_recursion_pending();
            continue;
        }
        const bool mp3 = EndsWith(name, "MP3", "mp3");
        const bool wma = EndsWith(name, "WMA", "wma");
        if (!(mp3 || wma) || !entry.is_regular_file()) continue;
        ReadWhatTheReadersNeed(entry.path().string(), wma, buffer);
        ++files;
    }
    return files;
}

struct ScanResult {
    int files;
    int duplicates;
    double seconds;  // the start button's reaction, from press to the end of the scan
};

// The start button's scan with both kinds ticked and the default criterion (the title).
ScanResult WindowScan(const std::string& dir, const std::function<void(HeadlessForm&)>& hook) {
    AppState state;
    HeadlessForm form;
    EventBindings bindings(state, form);
    form.RaiseCreated();
    form.SetTick(Control::选择框_WMA, 1);
    if (hook) form.SetPendingEventsHook([&] { hook(form); });
    form.TypeText(Control::编辑框1, dir);
    const double seconds = TimeOf([&] { form.Click(Control::按钮2); });
    // The results are freed only after the clock stopped: the program frees them when the next
    // scan starts.
    return {state.match.FilesSeenCount, state.match.DuplicateCount, seconds};
}

// Presses stop after a thousand files and measures until the walk has returned.
double StopLatencySeconds(const std::string& dir) {
    Clock::time_point pressed;
    bool done = false;
    WindowScan(dir, [&](HeadlessForm& form) {
        if (!done && form.PendingEventsCalls() == 1000) {
            done = true;
            pressed = Clock::now();
            form.Click(Control::按钮2);
        }
    });
    return done ? Seconds(Clock::now() - pressed) : 0.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: murvane_scan_benchmark DIR [RUNS]\n");
        return 2;
    }
    const std::string dir = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    const std::size_t files = BaselineScan(dir);  // also warms the cache
    ScanResult result{};
    const double baseline = MedianSeconds(runs, [&] { return TimeOf([&] { BaselineScan(dir); }); });
    const double scan = MedianSeconds(runs, [&] {
        result = WindowScan(dir, {});
        return result.seconds;
    });
    const double stop = StopLatencySeconds(dir);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("files %zu (matched %d, duplicates %d)\n", files, result.files, result.duplicates);
    std::printf("scan median %.3f s, baseline median %.3f s, ratio %.2f\n", scan, baseline,
                scan / baseline);
    std::printf("scan %.0f files/s; peak resident memory %.1f MiB\n",
                static_cast<double>(files) / scan, static_cast<double>(usage.ru_maxrss) / 1024.0);
    std::printf("stop after 1000 entries: walk returned %.3f ms after the press\n", stop * 1000);
    return 0;
}
