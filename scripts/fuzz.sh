#!/usr/bin/env bash
# Builds the libFuzzer targets of the tag readers with clang-14 (AddressSanitizer and
# UndefinedBehaviorSanitizer) into build/fuzz and runs each one for a bounded time.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [--corpus-dir DIR]
#
# Seeds: tests/data, fuzz/seeds/<target> and, when it is there, ../shared/corpus/real beside the
# repository. What a run learns is kept in a working corpus per target, build/fuzz-corpus/<target>
# unless --corpus-dir names another root, so that later runs start from it. A crash, leak, hang,
# OOM or oversized allocation leaves its input in build/fuzz/artifacts/<target>/ and makes the
# script exit non-zero.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() {
    echo "usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [--corpus-dir DIR]" >&2
    exit 2
}

seconds=20
corpus_root="$root/build/fuzz-corpus"
while [ $# -gt 0 ]; do
    case "$1" in
        --corpus-dir) [ $# -ge 2 ] || usage; corpus_root=$2; shift 2 ;;
        --corpus-dir=*) corpus_root=${1#*=}; shift ;;
        *[!0-9]* | "") usage ;;
        *) seconds=$1; shift ;;
    esac
done
[ "$seconds" -gt 0 ] || usage

build="$root/build/fuzz"
echo "== building the fuzz targets in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DMURVANE_FUZZ=ON -DMURVANE_WITH_QT=OFF \
    -DMURVANE_TESTS=OFF >/dev/null
cmake --build "$build" -j"${MURVANE_JOBS:-2}"

seeds=("$root/tests/data")
shared="$root/../shared/corpus/real"
if [ -d "$shared" ]; then
    seeds+=("$(cd "$shared" && pwd)")
else
    echo "skipped: ../shared/corpus/real is absent, seeding from tests/data only"
fi

# The targets write each input to a file; keep those files in memory where possible.
scratch_base=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch_base=/dev/shm
scratch=$(mktemp -d "$scratch_base/murvane-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR="$scratch"

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

dictionaries_of() {
    case "$1" in
        fuzz_read_track_info) echo id3v2 asf ;;
        fuzz_decode_id3v2_text) echo id3v2 ;;
        fuzz_asf_walk) echo asf ;;
    esac
}

# The first and last "cov: N ft: M" figures of a libFuzzer log.
coverage_of() {  # log, first|last
    grep -E '^#[0-9]+.*cov: [0-9]+ ft: [0-9]+' "$1" | sed -n "$([ "$2" = first ] && echo 1p || echo '$p')" |
        sed -E 's/.*cov: ([0-9]+) ft: ([0-9]+).*/\1 \2/'
}

failed=0
for target in fuzz_read_track_info fuzz_decode_id3v2_text fuzz_asf_walk; do
    corpus="$corpus_root/$target"
    artifacts="$build/artifacts/$target"
    log="$build/logs/$target.log"
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    dictionary="$build/$target.dict"
    : >"$dictionary"
    for name in $(dictionaries_of "$target"); do cat "$root/fuzz/$name.dict" >>"$dictionary"; done
    target_seeds=("${seeds[@]}")
    [ -d "$root/fuzz/seeds/$target" ] && target_seeds+=("$root/fuzz/seeds/$target")

    echo "== $target for ${seconds}s"
    # No input is bigger than a few hundred kilobytes, so a single allocation of 64 MiB can only
    # come from a size taken from the file on trust.
    status=0
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 \
        -malloc_limit_mb=64 -print_final_stats=1 -dict="$dictionary" \
        -artifact_prefix="$artifacts/" "$corpus" "${target_seeds[@]}" >"$log" 2>&1 || status=$?

    read -r cov_start ft_start < <(coverage_of "$log" first || true) || true
    read -r cov_end ft_end < <(coverage_of "$log" last || true) || true
    runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$log")
    added=$(sed -nE 's/^stat::new_units_added: *([0-9]+)/\1/p' "$log")
    crashes=0
    [ "$status" -ne 0 ] && crashes=1
    echo "$target: executions ${runs:-?}, cov ${cov_start:-?} -> ${cov_end:-?}," \
        "ft ${ft_start:-?} -> ${ft_end:-?}, new corpus units ${added:-?}, crashes $crashes"
    if [ "$status" -ne 0 ]; then
        failed=1
        grep -E '^(==[0-9]+== ?ERROR|SUMMARY|.*runtime error|.*Test unit written to)' "$log" |
            sed 's/^/    /' || true
        echo "    exit status $status; full log: $log"
    fi
done

if [ "$failed" -ne 0 ]; then
    echo "fuzzing found faults: see the logs and build/fuzz/artifacts"
    exit 1
fi
echo "fuzzing found no faults"
