#!/usr/bin/env bash
# Builds and starts the window program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMURVANE_TESTS=OFF >/dev/null
cmake --build "$root/build/release" --target murvane -j2
exec "$root/build/release/src/ui/qt/murvane" "$@"
