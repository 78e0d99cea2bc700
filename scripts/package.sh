#!/usr/bin/env bash
# Sets up, builds a release tree and makes the Debian package from it:
#   scripts/package.sh        -> build-release/ornadeck_VERSION_ARCH.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
PRESET=release "$root/scripts/build.sh" "$root/build-release"
(cd "$root/build-release" && cpack -G DEB)
ls "$root"/build-release/*.deb
