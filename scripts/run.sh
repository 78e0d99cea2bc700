#!/usr/bin/env bash
# Sets up, builds, and runs Ornadeck's main job.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
"$root/build/src/cli/ornadeck-cli" help
