#!/usr/bin/env bash
# Runs window-probe under Wine on a virtual X server (Xvfb) and in a Wine
# prefix of its own, both made for this run and gone after it: the windows
# need a display, and the probe seeds the registry of the machine they run
# on. Arguments that are absolute paths are handed on as Windows paths.
# Usage: windows_under_wine.sh PROBE.exe COMMAND [ARGUMENT...]
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
run=$(mktemp -d "${TMPDIR:-/tmp}/nimbrel-windows-XXXXXX")
xvfb=
finish() {
    WINEPREFIX=$run/prefix /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$run"
}
trap finish EXIT

# Xvfb takes a free display and says which.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$run/display" 2>"$run/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$run/display" ] && break
    sleep 0.1
done
if [ ! -s "$run/display" ]; then
    echo "windows_under_wine: Xvfb did not start:" >&2
    cat "$run/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$(tr -d '\n' <"$run/display")
export WINEPREFIX=$run/prefix

probe=$1
shift
arguments=()
for argument in "$@"; do
    [[ $argument == /* ]] && argument="Z:${argument//\//\\}"
    arguments+=("$argument")
done
mkdir "$WINEPREFIX"
/usr/lib/wine/wineserver -p
"$root/scripts/wine-run" "$probe" "${arguments[@]}"
