#!/usr/bin/env bash
# Every command and option that orvelan-cli's --help lists (at every level of commands) is
# documented in the manual page and in the user guide's page of the command-line tool, and the
# bash completion offers it after its command; options that take a file complete only the file
# names of their kind.
# Usage: commands-documented.sh CLI MANPAGE GUIDE_PAGE COMPLETION
set -euo pipefail
cli=$1
manpage=$2
guide=$3
completion=$4
problems=0
problem() { echo "$*" >&2; problems=$((problems + 1)); }

# The manual page's text as man shows it (roff's \- is a plain hyphen there).
man_text=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$manpage")
guide_text=$(sed 's/&#8209;/-/g; s/&nbsp;/ /g' "$guide")

# Sections of a --help text: the names under "Subcommands:" and the long options under
# "Options:".
section() { # NAME: the lines of that section
    awk -v name="$1" 'tolower($0) ~ "^" name ":" { on = 1; next } /^[A-Za-z].*:$/ { on = 0 } on'
}
subcommands() { section subcommands | awk '/^  [a-z]/ { print $1 }'; }
options() {
    section options | grep -o -- '--[a-z][a-z-]*' | sort -u | grep -v -x -- '--help' || true
}

if [ -f /usr/share/bash-completion/bash_completion ]; then
    # shellcheck disable=SC1091
    source /usr/share/bash-completion/bash_completion
    # shellcheck disable=SC1090
    source "$completion"
    have_completion=1
else
    echo "bash-completion is not installed: the completion is not checked"
    have_completion=0
fi

completions() { # WORDS...: what the completion offers after them for an empty word
    COMP_WORDS=(orvelan-cli "$@" "")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _orvelan_cli
    printf '%s\n' "${COMPREPLY[@]}"
}

walk() { # COMMAND...: checks the command's options and its subcommands, recursively
    local help
    help=$("$cli" "$@" --help)
    local offered=""
    if [ "$have_completion" = 1 ]; then
        offered=$(completions "$@")
    fi
    local option sub
    for option in $(options <<< "$help"); do
        grep -q -e "$option\\b" <<< "$man_text" || problem "man page: '$* $option' is missing"
        grep -q -e "$option\\b" <<< "$guide_text" || problem "guide: '$* $option' is missing"
        if [ "$have_completion" = 1 ] && ! grep -q -x -e "$option" <<< "$offered"; then
            problem "completion: '$* $option' is not offered"
        fi
    done
    for sub in $(subcommands <<< "$help"); do
        local path="$* $sub"
        path=${path# }
        grep -q -e "$path" <<< "$man_text" || problem "man page: command '$path' is missing"
        grep -q -e "$path" <<< "$guide_text" || problem "guide: command '$path' is missing"
        if [ "$have_completion" = 1 ] && ! grep -q -x -e "$sub" <<< "$offered"; then
            problem "completion: command '$path' is not offered"
        fi
        walk "$@" "$sub"
    done
}
walk

if [ "$have_completion" = 1 ]; then
    # File options complete the files of their kind (and folders), nothing else.
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cd "$work"
    touch CURVE.STA other.txt REPORT.RPT figure.png table.csv
    mkdir folder
    expect_files() { # EXPECTED WORDS...
        local expected=$1
        shift
        local got
        got=$(completions "$@" | sort | tr '\n' ' ')
        [ "$got" = "$expected" ] || problem "completion after '$*': '$got', not '$expected'"
    }
    expect_files "CURVE.STA folder " compare --comp-file
    expect_files "CURVE.STA folder " sta make --out
    expect_files "folder other.txt table.csv " sta make --from
    expect_files "REPORT.RPT folder " report --template
    expect_files "figure.png folder " graph curves --out
fi

[ "$problems" -eq 0 ] || { echo "$problems problems" >&2; exit 1; }
echo "every command and option is documented and completed"
