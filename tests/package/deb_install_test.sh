#!/usr/bin/env bash
# Makes the .deb from a build tree, unpacks it into a scratch root (dpkg -x) and runs both
# programs from there: the package must hold everything they need, found from where it is
# installed rather than from the build tree.
#   deb_install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/package/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, got ${debs[*]}"
deb=${debs[0]}

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libstdc++6 libc6; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library"
done
# PNG files are written by code built into ornadeck-cli, which so runs on any build server.
! grep -q "libpng" <<<"$depends" || fail "Depends names libpng, which nothing links any more"

root=$work/root
dpkg -x "$deb" "$root"
for file in bin/ornadeck bin/ornadeck-cli share/ornadeck/fonts/PilotStandard.bdf \
    share/ornadeck/fonts/PilotBold12.bdf share/applications/ornadeck.desktop \
    share/icons/hicolor/scalable/apps/ornadeck.svg share/icons/hicolor/48x48/apps/ornadeck.png \
    share/mime/packages/ornadeck.xml share/metainfo/io.github.ornadeck.Ornadeck.metainfo.xml \
    share/man/man1/ornadeck.1.gz share/man/man1/ornadeck-cli.1.gz; do
    [ -e "$root/usr/$file" ] || fail "the package lacks /usr/$file"
done

# The fonts come from ../share/ornadeck/fonts: a missing one would be reported on stderr.
"$root/usr/bin/ornadeck-cli" render "$source/examples/ptoolbox/Main.ozf" -o "$work/main.png" \
    2>"$work/render.err" || { cat "$work/render.err"; fail "ornadeck-cli render"; }
[ ! -s "$work/render.err" ] || { cat "$work/render.err"; fail "ornadeck-cli render complained"; }
file "$work/main.png" | grep -q "PNG image data, 160 x 160" || fail "no 160 x 160 PNG written"

version=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/ornadeck" --version 2>/dev/null)
[ "$version" = "Ornadeck $(dpkg-deb --field "$deb" Version)" ] || fail "ornadeck --version: $version"
