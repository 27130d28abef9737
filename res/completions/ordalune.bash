# SPDX-License-Identifier: GPL-3.0-or-later
# Completion of ordalune's options for bash; goal names are asked of the program itself, for the
# goal file of the current folder.
_ordalune() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    case $prev in
        --start | --stop | --toggle)
            local IFS=$'\n'
            compopt -o filenames 2>/dev/null # names with blanks come back quoted
            COMPREPLY=($(compgen -W "$("${COMP_WORDS[0]}" --goal-names 2>/dev/null)" -- "$cur"))
            return
            ;;
        --export-history)
            COMPREPLY=($(compgen -W "csv json" -- "$cur"))
            return
            ;;
        --total | --from | --to | --add)
            return
            ;;
    esac
    COMPREPLY=($(compgen -W "--start --stop --toggle --stop-all --add --total --status --json
        --export-history --from --to --goal-names --version --help -m" -- "$cur"))
}
complete -F _ordalune ordalune
