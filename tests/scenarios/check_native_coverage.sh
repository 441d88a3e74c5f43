#!/bin/sh
# Every native wrapper of the bridge is exercised by at least one scenario: the hashes in the
# wrapper sources against the union of the scenarios' census files.
# A hash listed in PENDING (first word of a line; "#" starts a comment) is one whose story
# has not landed yet: it may stay uncalled, and must leave the list once a scenario calls it.
# Usage: check_native_coverage.sh NATIVES_DIR PENDING CENSUS_DIR SCENARIO_NAME...
set -u
natives=$1
pending=$2
census=$3
shift 3
[ $# -gt 0 ] || { echo "no scenarios named" >&2; exit 2; }

tmp=$(mktemp -d) || exit 2
trap 'rm -rf "$tmp"' EXIT

# Wrapped: hash and the file that wraps it.
for f in "$natives"/*.cpp; do
    grep -Eo '0x[0-9a-fA-F]{16}' "$f" | tr 'A-F' 'a-f' | sed "s|\$| $(basename "$f")|"
done | sort -u >"$tmp/wrapped"
[ -s "$tmp/wrapped" ] || { echo "no wrapper hashes found in $natives" >&2; exit 2; }

# Called: only the census of the scenarios that exist now, each one required.
for name in "$@"; do
    if [ ! -s "$census/$name.tsv" ]; then
        echo "missing census of scenario $name ($census/$name.tsv)" >&2
        exit 2
    fi
done
for name in "$@"; do
    cut -f1 "$census/$name.tsv"
done | tr 'A-F' 'a-f' | sort -u >"$tmp/called"

sed 's/#.*//' "$pending" | awk 'NF {print tolower($1)}' | sort -u >"$tmp/pending"
comm -12 "$tmp/pending" "$tmp/called" >"$tmp/stale"
if [ -s "$tmp/stale" ]; then
    echo "called now, take them off $(basename "$pending"):"
    sed 's/^/  /' "$tmp/stale"
    exit 1
fi

cut -d' ' -f1 "$tmp/wrapped" | sort -u | comm -23 - "$tmp/called" | comm -23 - "$tmp/pending" \
    >"$tmp/missing"
if [ -s "$tmp/missing" ]; then
    echo "native wrappers no scenario calls:"
    while read -r hash; do
        # The wrapper's constant, with its file and line.
        grep -Hni "$hash" "$natives"/*.cpp | sed 's|^.*/||; s|^|  |'
    done <"$tmp/missing"
    exit 1
fi
echo "$(cut -d' ' -f1 "$tmp/wrapped" | sort -u | wc -l | tr -d ' ') wrapped natives:" \
    "$(wc -l <"$tmp/pending" | tr -d ' ') pending, the rest called by the $# scenarios"
