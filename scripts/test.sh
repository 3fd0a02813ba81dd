#!/usr/bin/env bash
# Builds and runs every test: a plain build, the core alone (no Qt), AddressSanitizer with
# UndefinedBehaviorSanitizer, a short fuzzing run of the tag readers, and ThreadSanitizer for the
# threaded tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
jobs=${MURVANE_JOBS:-2}

build_and_test() {  # name, ctest arguments..., -- cmake arguments...
    local name=$1; shift
    local ctest_args=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do ctest_args+=("$1"); shift; done
    shift
    local dir="$root/build/$name"
    echo "== $name"
    cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    (cd "$dir" && ctest --output-on-failure -j"$jobs" "${ctest_args[@]}")
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$root/tests/lsan.supp":print_suppressions=0
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1

build_and_test plain -- -DCMAKE_BUILD_TYPE=Debug
build_and_test core -- -DCMAKE_BUILD_TYPE=Debug -DMURVANE_WITH_QT=OFF
build_and_test asan -- -DCMAKE_BUILD_TYPE=Debug -DMURVANE_SANITIZE=address,undefined
echo "== fuzz"
"$root/scripts/fuzz.sh" "${MURVANE_FUZZ_SECONDS:-20}"
build_and_test tsan -L threads -- -DCMAKE_BUILD_TYPE=Debug -DMURVANE_SANITIZE=thread \
    -DMURVANE_WITH_QT=OFF
