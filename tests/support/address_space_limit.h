// Lets a test show that a reader sizes its memory by the file rather than by the numbers it finds
// in the file: in a child process (a death test), the address space is capped a little above
// what the process already uses, so a huge allocation fails instead of quietly succeeding.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

namespace murvane::testing {

// AddressSanitizer reserves terabytes of shadow memory up front, so no cap can be set under it.
inline bool CanLimitAddressSpace() {
#if defined(__SANITIZE_ADDRESS__)
    return false;
#else
    return true;
#endif
}

// Caps the calling process's address space at its current size plus `headroom` bytes. Call it
// only inside a death test's child, never in the test runner itself.
inline bool LimitAddressSpace(long long headroom) {
    long long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    if (pages <= 0) return false;
    const auto limit = static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE) + headroom);
    const rlimit cap{limit, limit};
    return ::setrlimit(RLIMIT_AS, &cap) == 0;
}

}  // namespace murvane::testing
