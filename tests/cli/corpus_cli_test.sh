#!/usr/bin/env bash
# Runs `murvane-cli tags` on every file of the shared corpus of tagged files written by other
# tools, many of them truncated or malformed on purpose: each file as it is named, and through
# links named .mp3 and .wma so that every reader meets every file. Each run must end within a
# second with exit status 0, one record on stdout and no sanitizer report on stderr.
#
#   corpus_cli_test.sh MURVANE_CLI [CORPUS_DIR]
set -uo pipefail

[ $# -ge 1 ] || { echo "usage: corpus_cli_test.sh MURVANE_CLI [CORPUS_DIR]" >&2; exit 2; }
cli=$1
corpus=${2:-$(dirname "$0")/../../../shared/corpus/real}
if [ ! -d "$corpus" ]; then
    echo "skipped: ../shared/corpus/real is absent"
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
runs=0
check() {  # the file as the corpus has it, the path handed to the program
    local original=$1 path=$2 status
    runs=$((runs + 1))
    timeout 1 "$cli" tags "$path" >"$work/out" 2>"$work/err"
    status=$?
    local problem=""
    if [ "$status" -eq 124 ]; then
        problem="did not finish within 1 s"
    elif [ "$status" -ne 0 ]; then
        problem="exit status $status"
    elif grep -qE 'Sanitizer|runtime error' "$work/err"; then
        problem="sanitizer report"
    elif [ "$(wc -l <"$work/out")" -ne 1 ] || ! grep -q '^{"path": ' "$work/out"; then
        problem="not one record on stdout"
    fi
    if [ -n "$problem" ]; then
        failures=$((failures + 1))
        echo "FAIL: $original (read as $(basename "$path")): $problem"
        sed 's/^/    /' "$work/err" | head -n 30
    fi
}

while IFS= read -r -d '' file; do
    check "$file" "$file"
    for kind in mp3 wma; do
        ln -sf "$(cd "$(dirname "$file")" && pwd)/$(basename "$file")" "$work/link.$kind"
        check "$file" "$work/link.$kind"
    done
done < <(find "$corpus" -type f -print0 | sort -z)

if [ "$runs" -eq 0 ]; then
    echo "FAIL: no files in $corpus"
    exit 1
fi
echo "$runs runs on the files of $corpus, $failures failed"
[ "$failures" -eq 0 ]
