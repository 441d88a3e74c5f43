#!/bin/sh
# corvale-sim started from another folder: relative --plugins, --census, --snapshot-dir,
# --game-dir and scenario paths are taken from there, the census adds up every scenario,
# and a scenario that stops on an error counts as failed.
# usage: check_cli_paths.sh CORVALE_SIM PLUGIN_DIR
set -eu
sim=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp -r "$2" plugs

printf 'plugins camp\nframes 3\nsnapshot camp\n' > a.scn
printf 'plugins business\nframes 3\nexpect cash 0\n' > b.scn
printf 'frames 1\nexpect cash 0\nplayer to-blip "Nobody"\n' > c.scn

"$sim" --plugins plugs --census both.tsv --snapshot-dir snaps a.scn b.scn > out.txt
[ "$(tail -n 1 out.txt)" = "1 passed, 0 failed" ] || { echo "summary: $(tail -n 1 out.txt)"; exit 1; }
[ -f snaps/camp.svg ] || { echo "no snapshot in ./snaps"; exit 1; }

"$sim" --plugins plugs --census a.tsv a.scn > /dev/null
"$sim" --plugins plugs --census b.tsv b.scn > /dev/null
calls() { awk -F '\t' '{ n += $3 } END { print n }' "$@"; }
[ "$(calls both.tsv)" = "$(calls a.tsv b.tsv)" ] || {
    echo "census of both: $(calls both.tsv) calls, of each: $(calls a.tsv b.tsv)"
    exit 1
}

mkdir -p game/Corvale
"$sim" --plugins plugs --game-dir game a.scn > /dev/null || true
[ -f game/Corvale/Camp.log ] || { echo "no game/Corvale/Camp.log"; exit 1; }

code=0
"$sim" --plugins plugs b.scn c.scn > out.txt 2> err.txt || code=$?
[ "$code" = 2 ] || { echo "exit $code after an error"; exit 1; }
[ "$(tail -n 1 out.txt)" = "2 passed, 1 failed" ] || { echo "summary: $(tail -n 1 out.txt)"; exit 1; }
grep -q "c.scn:3: no blip Nobody" err.txt || { cat err.txt; exit 1; }
echo "cli paths ok"
