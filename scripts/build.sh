#!/usr/bin/env bash
# Configures and builds one tree from a preset of CMakePresets.json:
#   [PRESET=dev|release|sanitize|fuzz] [BUILD_TYPE=...] scripts/build.sh BUILD_DIR [cmake options...]
# Every tree the scripts build treats warnings in our own code as errors.
set -euo pipefail
dir=$1
shift
type_option=()
[ -z "${BUILD_TYPE:-}" ] || type_option=(-DCMAKE_BUILD_TYPE="$BUILD_TYPE")
cmake -S "$(dirname "$0")/.." --preset "${PRESET:-dev}" -B "$dir" -DORNADECK_WERROR=ON \
    "${type_option[@]}" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
