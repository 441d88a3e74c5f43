#!/bin/sh
# The chaos player's own test: against a business plug-in built with the still menu left open
# on death, the fixed seeds must break the menu-taken-away rule and cut the finding down to a
# shorter scenario, which breaks that rule on the planted build and passes on the real one.
# usage: check_planted_fault.sh SIM REAL_PLUGINS PLANTED_PLUGINS DATA OUT MINUTES SEED...
set -u
sim=$1 real=$2 planted=$3 data=$4 out=$5 minutes=$6
shift 6
rm -rf "$out"
mkdir -p "$out"

commands() { grep -cv '^#' "$1"; }

for seed in "$@"; do
    "$sim" --chaos "$seed" --minutes "$minutes" --plugins "$planted" --data "$data" \
        --out "$out" --shrink-seconds 60 >"$out/seed$seed.txt" 2>&1
    grep -q "rule menu-taken-away broken" "$out/seed$seed.txt" || continue
    full=$out/chaos-$seed.scn short=$out/chaos-$seed-short.scn
    if [ ! -f "$short" ]; then
        echo "seed $seed found the planted fault but did not cut it down:"
        cat "$out/seed$seed.txt"
        exit 1
    fi
    echo "seed $seed found it: $(commands "$full") commands cut down to $(commands "$short")"
    if [ "$(commands "$short")" -ge "$(commands "$full")" ]; then
        echo "the short scenario is not shorter"
        exit 1
    fi
    "$sim" --plugins "$planted" --data "$data" "$short" >"$out/short-planted.txt" 2>&1
    if ! grep -q "FAIL.*rule menu-taken-away broken" "$out/short-planted.txt"; then
        echo "the short scenario does not break the rule on the planted build:"
        cat "$out/short-planted.txt"
        exit 1
    fi
    if ! "$sim" --plugins "$real" --data "$data" "$short" >"$out/short-real.txt" 2>&1; then
        echo "the short scenario fails on the real build:"
        cat "$out/short-real.txt"
        exit 1
    fi
    cat "$short"
    exit 0
done
echo "no seed of $* found the planted fault in $minutes minutes each"
exit 1
