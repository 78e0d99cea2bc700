#!/usr/bin/env bash
# Sets up, builds, and runs every test: the normal build, then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"

BUILD_TYPE=Debug "$root/scripts/build.sh" "$root/build-sanitize" -DORNADECK_SANITIZE=ON \
    -DORNADECK_BUILD_BENCH=OFF -DORNADECK_BUILD_CLI=OFF -DORNADECK_BUILD_APP=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-sanitize" --output-on-failure -j"$(nproc)"
