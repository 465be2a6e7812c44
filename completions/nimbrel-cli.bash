# bash completion for nimbrel-cli: its commands, their options, and the
# values those options take.
_nimbrel_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local command="" subcommand="" i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --home | --windows | --hive | --user) ((i++)) ;;
            -*) ;;
            *) if [[ -z $command ]]; then command=${COMP_WORDS[i]}; elif [[ -z $subcommand ]]; then subcommand=${COMP_WORDS[i]}; fi ;;
        esac
    done
    case $prev in
        --home | --windows) COMPREPLY=($(compgen -d -- "$cur")); return ;;
        --hive) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --user) return ;;
        --backup | --out) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --type) COMPREPLY=($(compgen -W "REG_SZ REG_EXPAND_SZ REG_MULTI_SZ REG_DWORD REG_QWORD REG_BINARY REG_NONE" -- "$cur")); return ;;
        --only | --skip) COMPREPLY=($(compgen -W "$(nimbrel-cli list --format tsv 2>/dev/null | tail -n +2 | cut -f1)" -- "${cur##*,}")); return ;;
        --format)
            case $command in
                clean | list | catalogue) COMPREPLY=($(compgen -W "text json tsv" -- "$cur")) ;;
                *) COMPREPLY=($(compgen -W "json tsv" -- "$cur")) ;;
            esac
            return ;;
    esac
    local words
    case $command in
        "") words="scan clean reg shred runonce list settings catalogue help --home --windows --hive --user --read-only --no-backup --version --help" ;;
        scan) words="--format --quiet --only --skip --home --help" ;;
        clean) words="--dry-run --format --backup --force --no-plugins --quiet --only --skip --home --help" ;;
        reg)
            case $subcommand in
                "") words="import export query add delete --help" ;;
                import) COMPREPLY=($(compgen -f -- "$cur")); return ;;
                export) words="--out --help" ;;
                query | delete) words="--value --help" ;;
                add) words="--value --type --data --help" ;;
            esac ;;
        shred) words="--passes --help"; [[ $cur != -* ]] && { COMPREPLY=($(compgen -f -- "$cur")); return; } ;;
        runonce) words="--list --install --uninstall --home --help" ;;
        list | catalogue) words="--format --home --help" ;;
        settings)
            case $subcommand in
                "") words="get set reset --help" ;;
                get | set) words=$(nimbrel-cli settings get 2>/dev/null | cut -f1) ;;
            esac ;;
        help) words="scan clean reg shred runonce list settings catalogue" ;;
    esac
    COMPREPLY=($(compgen -W "$words" -- "$cur"))
}
complete -F _nimbrel_cli nimbrel-cli
