#!/usr/bin/env bash
# The libFuzzer dictionary of the argument target, from orvelan-cli's own tables: every command
# and option its --help lists (at every level of commands), every value the bash completion
# offers, the numbers at the ends of the population, cancer and age ranges, and the zero byte
# that separates arguments.
#   cli-dictionary.sh CLI COMPLETION            prints the dictionary
#   cli-dictionary.sh CLI COMPLETION DICTIONARY fails when DICTIONARY is not that
set -euo pipefail
cli=$1
completion=$2

section() { # NAME: the lines of that section of a --help text
    awk -v name="$1" 'tolower($0) ~ "^" name ":" { on = 1; next } /^[A-Za-z].*:$/ { on = 0 } on'
}
walk() { # COMMAND...: the names of the command's options and subcommands, recursively
    local help sub
    help=$("$cli" "$@" --help)
    section options <<< "$help" | grep -o -- '--[a-z][a-z-]*' || true
    for sub in $(section subcommands <<< "$help" | awk '/^  [a-z]/ { print $1 }'); do
        echo "$sub"
        walk "$@" "$sub"
    done
}
values() {
    grep -o 'compgen -W "[^"$]*"' "$completion" | sed 's/^compgen -W "//; s/"$//' | tr ' ' '\n'
}
dictionary() {
    echo '# orvelan-cli arguments: made by tests/fuzz/cli-dictionary.sh, do not edit'
    echo '"\x00"'
    { walk; values; printf '%s\n' 17 228 229 251 252 271 272 0-17 0-228 0-251; } |
        grep -v -x -e '' | LC_ALL=C sort -u | sed 's/.*/"&"/'
}

if [ $# -ge 3 ]; then
    if ! diff <(dictionary) "$3"; then
        echo "$3 is not the dictionary of orvelan-cli's commands and options: run" \
            "tests/fuzz/cli-dictionary.sh CLI $completion > $3" >&2
        exit 1
    fi
    echo "the dictionary holds every command, option and value"
else
    dictionary
fi
