#!/usr/bin/env bash
# Installs what building and testing Ornadeck needs on Debian 12, when it is missing.
set -euo pipefail

packages=(cmake g++ make pkg-config libgtest-dev libgmock-dev googletest libbenchmark-dev
          qt6-base-dev qt6-svg-dev clang-format libstb-dev libgit2-dev libcli11-dev help2man
          dpkg-dev file
          desktop-file-utils appstream shared-mime-info)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
