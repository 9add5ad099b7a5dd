#!/usr/bin/env bash
# Runs the examples of README's "Scripting the engine" section on a freshly generated data set:
# the shell example always, the Python one when a python3 with pandas is found, the R one when Rscript
# exists. Each must succeed and print something.
set -euo pipefail
readme=$1
cli=$2
mkdata=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$mkdata" --out "$work/data" > /dev/null
mkdir -p "$work/bin"
ln -s "$cli" "$work/bin/orvelan-cli"
export PATH="$work/bin:$PATH"

# The fenced block of a language inside the section.
block() {
    awk -v lang="$1" '
        /^## Scripting the engine/ { inside = 1; next }
        inside && /^## / { inside = 0 }
        inside && $0 == "```" lang { take = 1; next }
        take && /^```/ { take = 0; next }
        take { print }
    ' "$readme"
}

run() {
    local name=$1 interpreter=$2 ext=$3
    block "$name" > "$work/example.$ext"
    if [ ! -s "$work/example.$ext" ]; then
        echo "README has no $name example" >&2
        exit 1
    fi
    (cd "$work/data" && $interpreter "$work/example.$ext") > "$work/out.txt"
    if [ ! -s "$work/out.txt" ]; then
        echo "the $name example printed nothing" >&2
        exit 1
    fi
    echo "== $name example:"
    head -n 12 "$work/out.txt"
}

run sh bash sh
python=
for candidate in python3 /usr/bin/python3; do
    if "$candidate" -c 'import pandas' 2> /dev/null; then
        python=$candidate
        break
    fi
done
if [ -n "$python" ]; then
    run python "$python" py
else
    echo "== python example skipped: pandas is not installed"
fi
if command -v Rscript > /dev/null; then
    run r Rscript R
else
    echo "== R example skipped: R is not installed"
fi
