#!/usr/bin/env bash
# The desktop integration files pass their own validators, and shared-mime-info maps the
# two file types to the globs the menu entry claims.
#   desktop_files_test.sh SOURCE_DIR
set -euo pipefail
packaging=$1/packaging
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

desktop-file-validate "$packaging/ornadeck.desktop"
appstreamcli validate --no-net "$packaging/io.github.ornadeck.Ornadeck.metainfo.xml"

mkdir -p "$work/mime/packages"
cp "$packaging/ornadeck-mime.xml" "$work/mime/packages/ornadeck.xml"
XDG_DATA_DIRS=$work update-mime-database "$work/mime"
claimed=$(sed -n 's/^MimeType=//p' "$packaging/ornadeck.desktop")
for pair in application/x-ornadeck-project:ozp application/x-ornadeck-form:ozf; do
    type=${pair%:*}
    grep -q ":$type:\*\.${pair#*:}$" "$work/mime/globs2" || {
        echo "FAILED: shared-mime-info does not map *.${pair#*:} to $type" >&2
        exit 1
    }
    grep -q "$type;" <<<"$claimed" || {
        echo "FAILED: ornadeck.desktop does not claim $type" >&2
        exit 1
    }
done
