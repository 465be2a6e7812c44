#!/bin/bash
# Checks that the layers only point down: a source file may include a
# header of its own layer or of a layer below it, never one above or beside
# it. The core also stays free of Qt and of <windows.h>.
# Arguments: the source tree to check (the repository's root).
set -uo pipefail
root=$1

# Sets rank and name to the layer a path belongs to; both empty for folders
# outside the layers (tools, tests, bench, ...), which may include anything.
layer_of() {
    rank='' name=''
    case $1 in
        platform/*) rank=0 name=platform ;;
        registry/*) rank=1 name=registry ;;
        host/*) rank=2 name=host ;;
        scan/*) rank=3 name=scan ;;
        clean/*) rank=4 name=clean ;;
        settings/*) rank=4 name=settings ;;
        plugins/*) rank=5 name=plugins ;;
        ui/qt/* | ui/win32/* | ui/program/*) rank=7 name=views ;;
        ui/*) rank=6 name=ui ;;
    esac
}

status=0
cd "$root" || exit 2
while IFS= read -r file; do
    layer_of "$file"
    [ -n "$rank" ] || continue
    file_rank=$rank file_name=$name
    while IFS= read -r include; do
        line=${include%%:*} header=${include#*:#include \"} header=${header%%\"*}
        layer_of "$header"
        [ -n "$rank" ] || continue
        if [ "$name" != "$file_name" ] && [ "$rank" -ge "$file_rank" ]; then
            echo "$file:$line: the $file_name layer includes $header, of the $name layer" >&2
            status=1
        fi
    done < <(grep -n '^#include "' "$file")
    if [ "$file_rank" -ge 1 ] && [ "$file_rank" -le 6 ]; then
        while IFS=: read -r line text; do
            echo "$file:$line: the core includes $text" >&2
            status=1
        done < <(grep -nE '^#include <(Q[A-Za-z]*|windows\.h)>' "$file")
    fi
done < <(find platform registry host scan clean settings plugins ui \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null | sort)
exit $status
