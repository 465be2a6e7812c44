#!/usr/bin/env bash
# The release zip as a Windows user gets it: packed from this build,
# unpacked into a folder of its own and run from there in a fresh Wine
# prefix, where the main window opens and "nimbrel.exe -SILENT" cleans.
# Usage: release_zip.sh BUILD_DIR PROBE.exe
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$1
probe=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/nimbrel-release-XXXXXX")
trap 'rm -rf "$work"' EXIT

zip=$("$root/scripts/package-windows" --from "$build" --into "$work")
unzip -q "$zip" -d "$work/unpacked"
folder=$(echo "$work"/unpacked/nimbrel-*)
expected=$'README.txt\nixwipe.exe\nnimbrel-cli.exe\nnimbrel.exe'
if [ "$(cd "$folder" && ls | LC_ALL=C sort)" != "$expected" ]; then
    echo "release_zip: the zip holds $(cd "$folder" && ls | tr '\n' ' '), not the three programs and README.txt" >&2
    exit 1
fi
bash "$here/windows_under_wine.sh" "$probe" release "$folder/nimbrel.exe"
