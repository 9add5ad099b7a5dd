#!/usr/bin/env bash
# The default outputs of rates, report, sir and graph bars on the generated data set are byte for
# byte those recorded before the standards of today came in (their SHA-256 in EXPECTED), and the
# classic tables handed in as standard files of one's own give the same bytes, so that the
# engine's path for a chosen table is the classic one to the last bit. With --tests, sir keeps
# its rows exactly and only adds the p column and the total row.
# Usage: default-outputs.sh CLI MKDATA EXPECTED [--record]
set -euo pipefail
cli=$1
mkdata=$2
expected=$3
record=${4:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$mkdata" --out "$work/data" > /dev/null
mkdir "$work/out" "$work/own"
cd "$work/out"

# name, then the command's arguments.
commands=(
    "rates-list.csv|rates --populations 0-228 --cancers 0-3,34,251 --sexes m,f,both"
    "rates-list-gamma.csv|rates --populations 0-60 --cancers 1,34 --sexes m,f --to 14 --ci gamma --level 90"
    "rates-single.txt|rates --population 10 --cancer 34 --sex 0"
    "rates-single.json|rates --population 10 --cancer 34 --sex both --from 3 --to 17 --json"
    "report-summary.txt|report --kind summary --populations 0-40 --cancers 34 --ci"
    "report-summary.csv|report --kind summary --populations 0-40 --cancers 34 --ci --format csv"
    "report-world.txt|report --kind user --populations 0-20 --cancers 0-12 --rate-kind 1 --ci"
    "report-european.json|report --kind user --populations 0-20 --cancers 0-12 --rate-kind 2 --to 14 --json"
    "sir.txt|sir --ref 10,34,0 --populations 0-60"
    "sir.json|sir --ref 10,1,1 --populations 0-60 --json"
    "bars-world.json|graph bars --cancer 34 --populations 0-60 --rate-kind 1 --json"
    "bars-european.json|graph bars --type registry --population 10 --cancers 0-60 --rate-kind 2 --json"
)

run_all() { # DIR EXTRA...: every command with the extra options where they apply
    local dir=$1
    shift
    mkdir -p "$dir"
    local entry name args
    for entry in "${commands[@]}"; do
        name=${entry%%|*}
        args=${entry#*|}
        case "$args" in
            sir*) extra=() ;;
            *) extra=("$@") ;;
        esac
        # shellcheck disable=SC2086
        "$cli" --data-dir "$work/data" $args "${extra[@]}" > "$dir/$name"
    done
}

run_all default
if [ "$record" = "--record" ]; then
    (cd default && sha256sum -- *) > "$expected"
    echo "recorded $(wc -l < "$expected") outputs in $expected"
    exit 0
fi
(cd default && sha256sum --quiet -c "$expected")

# The classic tables per 100,000, named as the classic headings name them.
printf 'name: World\n12000 10000 9000 9000 8000 8000 6000 6000 6000\n6000 5000 4000 4000 3000 2000 1000 500 500\n' \
    > "$work/own/segi.std"
printf 'name: European\n8000,7000,7000,7000,7000,7000,7000,7000,7000\n7000,7000,6000,5000,4000,3000,2000,1000,1000\n' \
    > "$work/own/e1976.std"
run_all own --world "$work/own/segi.std" --european "$work/own/e1976.std"
problems=0
for file in default/*; do
    name=${file#default/}
    case "$name" in
        rates-list*) # the list form adds its standard column
            [ "$(head -1 "own/$name" | awk -F, '{ print $NF }')" = standard ] ||
                { echo "$name: no standard column" >&2; problems=$((problems + 1)); }
            cmp -s "$file" <(sed -E 's/,[^,]*$//' "own/$name") ||
                { echo "$name differs with the classic tables as files" >&2; problems=$((problems + 1)); } ;;
        *)
            cmp -s "$file" "own/$name" ||
                { echo "$name differs with the classic tables as files" >&2; problems=$((problems + 1)); } ;;
    esac
done

# sir --tests: the same rows, a p column and a total row.
"$cli" --data-dir "$work/data" sir --ref 10,34,0 --populations 0-60 --tests > tests.txt
cmp -s default/sir.txt <(grep -v $'^Total\t' tests.txt | cut -f1-5) ||
    { echo "sir --tests changes the rows" >&2; problems=$((problems + 1)); }
[ "$(grep -c $'^Total\t' tests.txt)" = 1 ] || { echo "sir --tests: no total row" >&2; problems=$((problems + 1)); }

[ "$problems" -eq 0 ] || { echo "$problems problems" >&2; exit 1; }
echo "default outputs unchanged"
