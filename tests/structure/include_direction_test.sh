#!/bin/bash
# The include-direction check passes on the repository, and fails on a tree
# with one include of each wrong kind: upwards, sideways, and Qt in the core.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
check=$here/include_direction.sh
fail() { echo "include_direction_test: $*" >&2; exit 1; }

bash "$check" "$here/../.." || fail "the repository has a wrong-way include (above)"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
expect_refused() {
    mkdir -p "$tree/$(dirname "$1")"
    printf '%s\n' "$2" >"$tree/$1"
    bash "$check" "$tree" 2>/dev/null && fail "$1 with $2 was let through"
    rm "$tree/$1"
}
expect_refused scan/record.cpp '#include "clean/clean_item.h"'
expect_refused clean/clean_item.cpp '#include "settings/scan_categories.h"'
expect_refused platform/files.cpp '#include "registry/cregistry.h"'
expect_refused ui/main_window_model.cpp '#include "ui/qt/main_window.h"'
expect_refused plugins/pass_count.cpp '#include <QString>'
mkdir -p "$tree/ui/qt" && printf '#include "clean/clean_item.h"\n#include <QWidget>\n' >"$tree/ui/qt/view.cpp"
bash "$check" "$tree" || fail "a view may include the models below it and Qt"
exit 0
