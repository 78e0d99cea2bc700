#!/usr/bin/env bash
# Sets up, builds, and runs Ornadeck's main job: generating the PocketC source of the two
# example projects into build/generated/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
cli="$root/build/src/cli/ornadeck-cli"
"$cli" generate "$root/examples/ccontrols/Demo.ozp" --out "$root/build/generated/ccontrols"
"$cli" generate "$root/examples/ptoolbox/Palm.ozp" --out "$root/build/generated/ptoolbox"
