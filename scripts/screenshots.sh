#!/usr/bin/env bash
# Draws the pictures of the help pages and the README again from the example forms, with
# ornadeck-cli render, so they follow any change of the look: scripts/screenshots.sh
# (builds into build/ first when the tool is not there).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tool=$root/build/src/cli/ornadeck-cli
[ -x "$tool" ] || { "$root/scripts/setup.sh" && "$root/scripts/build.sh" "$root/build"; }
help=$root/src/app/resources/help/img
examples=$root/examples
render() { "$tool" render "$@" >/dev/null; }

render "$examples/ccontrols/Main.ozf" -o "$help/designer-ccontrols.png" --device
render "$examples/ptoolbox/Main.ozf" -o "$help/designer-ptoolbox.png" --device
render "$examples/ccontrols/Main.ozf" -o "$help/ccontrols-main.png" --scale 2
render "$examples/ptoolbox/Main.ozf" -o "$help/ptoolbox-main.png" --scale 2
render "$examples/ptoolbox/Settings.ozf" -o "$help/ptoolbox-dialog.png" --scale 2
mkdir -p "$root/docs"
render "$examples/ptoolbox/Main.ozf" -o "$root/docs/first-session.png" --device --scale 2
echo "Pictures drawn into $help and $root/docs"
