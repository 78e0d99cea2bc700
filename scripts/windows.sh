#!/usr/bin/env bash
# Cross-builds the core, ornadeck-cli.exe and the core tests for 64-bit Windows with
# MinGW-w64 into build-windows/, then runs the tests under Wine through CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

packages=(mingw-w64 wine wine64 googletest libstb-dev libcli11-dev cmake)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

# Wine keeps its Windows in a folder of its own, made once, quietly.
export WINEPREFIX="${WINEPREFIX:-$root/build-windows/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
mkdir -p "$WINEPREFIX"
wineboot --init >/dev/null 2>&1 || true

cmake --preset windows -S "$root" >/dev/null
cmake --build "$root/build-windows" -j"$(nproc)"
ctest --test-dir "$root/build-windows" --output-on-failure

# The Windows tool writes what the Linux one writes, byte for byte: code and pictures.
linux_cli="$root/build/src/cli/ornadeck-cli"
if [[ -x "$linux_cli" ]]; then
    compare=$(mktemp -d)
    trap 'rm -rf "$compare"' EXIT
    for tool in linux windows; do
        run=("$linux_cli")
        [[ $tool == windows ]] && run=(wine "$root/build-windows/src/cli/ornadeck-cli.exe")
        "${run[@]}" generate "$root/examples/ccontrols/Demo.ozp" --out "$compare/$tool" \
            >/dev/null 2>&1
        "${run[@]}" render "$root/examples/ptoolbox/Main.ozf" -o "$compare/$tool/Main.png" \
            --scale 2 --device >/dev/null 2>&1
    done
    diff -r "$compare/linux" "$compare/windows" >/dev/null &&
        echo "ornadeck-cli.exe under Wine writes the same code and pictures as ornadeck-cli" || {
        echo "ornadeck-cli.exe writes other bytes than ornadeck-cli:" >&2
        diff -rq "$compare/linux" "$compare/windows" >&2
        exit 1
    }
fi
