#!/usr/bin/env bash
# Sets up, builds, and runs Ornadeck's main job: the desktop designer with the PToolboxLib
# example project open. Without a display it generates the example projects instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$root/build/src/app/ornadeck" "$root/examples/ptoolbox/Palm.ozp"
fi
echo "No display: generating the example projects into build/generated/ instead."
cli="$root/build/src/cli/ornadeck-cli"
"$cli" generate "$root/examples/ccontrols/Demo.ozp" --out "$root/build/generated/ccontrols"
"$cli" generate "$root/examples/ptoolbox/Palm.ozp" --out "$root/build/generated/ptoolbox"
