#!/bin/sh
# The simulator answers exactly the bridge's natives, under the same declarations: each
# wrapper constant's hash, game name and parameter types against the handler's, every
# wrapper answered, every handler some wrapper's, and each answered in the simulator file
# named for its wrapper family (sim/natives/X.cpp answers core/natives/X.cpp).
# Usage: check_native_declarations.sh BRIDGE_NATIVES_DIR SIM_NATIVES_DIR
set -u
bridge=$1
sim=$2

tmp=$(mktemp -d) || exit 2
trap 'rm -rf "$tmp"' EXIT

# One line per declaration: hash (16 lower-case digits), name, parameter types, file.
declarations() { # DIR PATTERN
    for f in "$1"/*.cpp; do
        tr '\n' ' ' <"$f" | tr -s ' ' | grep -Eo "$2" |
            sed -E 's/^[^{(]*[{(] ?(0x[0-9a-fA-F]+), ?"([^"]*)", ?"([^"]*)".*$/\1|\2|\3/' |
            awk -F'|' -v file="$(basename "$f")" '{
                h = tolower(substr($1, 3)); while (length(h) < 16) h = "0" h
                print "0x" h "|" $2 "|" $3 "|" file }'
    done | sort -t'|' -k1,1
}
declarations "$bridge" 'Native k[A-Za-z0-9_]+ ?\{ ?0x[0-9a-fA-F]+, ?"[^"]*", ?"[^"]*"' \
    >"$tmp/bridge"
declarations "$sim" 't\.add\( ?0x[0-9a-fA-F]+, ?"[^"]*", ?"[^"]*"' >"$tmp/sim"
[ -s "$tmp/bridge" ] || { echo "no wrapper declarations found in $bridge" >&2; exit 2; }
[ -s "$tmp/sim" ] || { echo "no handler declarations found in $sim" >&2; exit 2; }

status=0
report() { # TITLE FILE
    if [ -s "$2" ]; then
        echo "$1"
        sed 's/^/  /' "$2"
        status=1
    fi
}
cut -d'|' -f1 "$tmp/bridge" | sort -u >"$tmp/bridge.hashes"
cut -d'|' -f1 "$tmp/sim" | sort -u >"$tmp/sim.hashes"
comm -13 "$tmp/bridge.hashes" "$tmp/sim.hashes" | join -t'|' - "$tmp/sim" >"$tmp/unused"
report "simulator handlers no wrapper uses:" "$tmp/unused"
comm -23 "$tmp/bridge.hashes" "$tmp/sim.hashes" | join -t'|' - "$tmp/bridge" >"$tmp/unanswered"
report "wrappers the simulator does not answer:" "$tmp/unanswered"
join -t'|' "$tmp/bridge" "$tmp/sim" |
    awk -F'|' '$2 != $5 || $3 != $6 {
        print $1 ": " $4 " declares " $2 "(" $3 "), " $7 " declares " $5 "(" $6 ")" }' \
    >"$tmp/differ"
report "declared differently:" "$tmp/differ"
join -t'|' "$tmp/bridge" "$tmp/sim" |
    awk -F'|' '$4 != $7 { print $1 " " $2 ": family " $4 ", answered in " $7 }' \
    >"$tmp/elsewhere"
report "answered outside its family's file:" "$tmp/elsewhere"
[ $status -eq 0 ] && echo "$(wc -l <"$tmp/bridge.hashes" | tr -d ' ') natives declared alike" \
    "by the bridge and the simulator"
exit $status
