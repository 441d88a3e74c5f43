#!/usr/bin/env bash
# Runs every libFuzzer target of build/fuzz for a fixed time: first its regression inputs in
# fuzz/corpus/<target>/ (the name without "fuzz_"), then new inputs grown in a scratch
# folder. An input that crashes, leaks or hangs is written into fuzz/corpus/<target>/, where
# every later run replays it. Prints one "fuzz <target>: ok|FAILED" line per target and ends
# with "N passed, M failed".
#   tools/run-fuzzers.sh [SECONDS]
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
passed=0
failed=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

shopt -s nullglob
targets=(build/fuzz/fuzz/fuzz_*)
((${#targets[@]} > 0)) || { echo "no fuzz targets in build/fuzz/fuzz"; echo "0 passed, 1 failed"; exit 1; }

for target in "${targets[@]}"; do
    name=$(basename "$target")
    name=${name#fuzz_}
    # Absolute: a target may move into a game folder of its own.
    corpus=$PWD/fuzz/corpus/$name
    mkdir -p "$corpus" "$scratch/$name"
    log=$scratch/$name.log
    # -timeout: one input running 10 s is a hang; -rss_limit_mb: the machine is shared.
    if "$PWD/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$corpus/" -print_final_stats=1 \
        "$scratch/$name" "$corpus" >"$log" 2>&1; then
        runs=$(grep -oE '^stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$')
        echo "fuzz $name: ok (${runs:-?} inputs)"
        passed=$((passed + 1))
    else
        echo "fuzz $name: FAILED"
        tail -n 60 "$log"
        ls "$corpus" | grep -E '^(crash|leak|timeout|oom|slow-unit)-' | sed "s|^|  kept: fuzz/corpus/$name/|"
        failed=$((failed + 1))
    fi
done

echo "$passed passed, $failed failed"
((failed == 0))
