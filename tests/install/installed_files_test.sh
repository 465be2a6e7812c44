#!/bin/bash
# cmake --install puts the programs, their manual pages and nimbrel-cli's
# bash completion in place; the completion offers every command that
# nimbrel-cli --help lists, and each manual page is one man can format.
# Arguments: the build folder.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "installed_files_test: $*" >&2; exit 1; }
for program in nimbrel-cli ixwipe; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing"
done
for page in nimbrel nimbrel-cli ixwipe; do
    file=$prefix/share/man/man1/$page.1
    [ -f "$file" ] || fail "man page $page.1 is missing"
    if command -v groff >/dev/null; then
        warnings=$(groff -man -Tutf8 -ww -z "$file" 2>&1) || fail "$page.1 does not format"
        [ -z "$warnings" ] || fail "$page.1: $warnings"
    fi
done
completion=$prefix/share/bash-completion/completions/nimbrel-cli
[ -f "$completion" ] || fail "the bash completion is missing"

# What the completion offers after "nimbrel-cli ".
offered=$(bash -c 'source "$1"; COMP_WORDS=(nimbrel-cli ""); COMP_CWORD=1; _nimbrel_cli; echo "${COMPREPLY[*]}"' _ "$completion")
commands=$("$prefix/bin/nimbrel-cli" --help | sed -n '/^Subcommands:/,/^$/p' | awk 'NR > 1 && NF {print $1}')
[ -n "$commands" ] || fail "nimbrel-cli --help lists no commands"
for command in $commands; do
    grep -qw -- "$command" <<<"$offered" || fail "the completion does not offer '$command'"
    grep -qE -- "^\\.BR \"?$command\\b" "$prefix/share/man/man1/nimbrel-cli.1" ||
        fail "the manual page does not describe '$command'"
done
offered=$(bash -c 'source "$1"; COMP_WORDS=(nimbrel-cli clean --for); COMP_CWORD=2; _nimbrel_cli; echo "${COMPREPLY[*]}"' _ "$completion")
[ "$offered" = "--format --force" ] || fail "'clean --for' completes to '$offered'"
echo "installed: programs, manual pages and a completion that knows every command"
