#!/usr/bin/env bash
# The classic pictures of every graph kind on the generated data set are byte for byte those
# recorded before the publication look came in (their SHA-256 in EXPECTED): the classic look is
# the default and stays as it was drawn.
# Usage: classic-graphs.sh CLI MKDATA EXPECTED [--record]
set -euo pipefail
cli=$1
mkdata=$2
expected=$(realpath -m "$3")
record=${4:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$mkdata" --out "$work/data" > /dev/null
mkdir "$work/out"
cd "$work/out"

# name, then the graph subcommand's arguments.
graphs=(
    "curves.bmp|curves --populations 10 --cancers 34 --sex 2"
    "curves-log.bmp|curves --populations 3,10,60 --cancers 1,34 --sex 0 --log --lines --thick --symbol x"
    "curves-small.bmp|curves --populations 0-4 --cancers 34 --sex 1 --size 300x200"
    "bars-cancer.bmp|bars --cancer 34 --populations 0-228 --rate-kind 1"
    "bars-registry.bmp|bars --type registry --population 10 --cancers 0-60 --rate-kind 2"
    "pie.bmp|pie --population 10 --sex 0"
    "pyramid.bmp|pyramid --population 10"
    "curves.jpg|curves --populations 10,11 --cancers 34 --sex 2 --size 301x200"
)
for entry in "${graphs[@]}"; do
    name=${entry%%|*}
    # shellcheck disable=SC2086
    "$cli" --data-dir "$work/data" graph ${entry#*|} --out "$name" > /dev/null
done

if [ "$record" = "--record" ]; then
    sha256sum -- * > "$expected"
    echo "recorded $(wc -l < "$expected") pictures in $expected"
    exit 0
fi
sha256sum --quiet -c "$expected"
