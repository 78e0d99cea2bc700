#!/usr/bin/env bash
# Sets up, builds, and runs every test: the normal build, then the core tests and the
# desktop program's random-use test again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"

PRESET=sanitize "$root/scripts/build.sh" "$root/build-sanitize"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-sanitize" --output-on-failure -j"$(nproc)"

# The core and the command-line tool built for Windows, their tests run under Wine.
if [[ "${ORNADECK_WINDOWS:-1}" != 0 ]]; then
    "$root/scripts/windows.sh"
fi
