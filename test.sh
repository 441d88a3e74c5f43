#!/usr/bin/env bash
# Builds and runs every test: the Linux build, the sanitizer build, the Windows cross build
# (its plug-ins checked and run under Wine) and every fuzz target for a fixed time
# (FUZZ_SECONDS, 30 by default). Installs missing Debian packages when run as root;
# otherwise says which to install. Ends with one line "N passed, M failed".
set -uo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev g++-mingw-w64-x86-64-posix
          wine64 binutils-mingw-w64-x86-64 python3)

tools/ensure-packages.sh "${packages[@]}" || exit 1

passed=0
failed=0
summaries=()

run_preset() {
    local preset=$1 log start
    log=$(mktemp)
    start=$SECONDS
    echo "== $preset: configure and build"
    if ! cmake --preset "$preset" >"$log" 2>&1 ||
        ! cmake --build --preset "$preset" --parallel 2 >>"$log" 2>&1; then
        cat "$log"
        summaries+=("$preset: build FAILED")
        failed=$((failed + 1))
        rm -f "$log"
        return
    fi
    echo "== $preset: test"
    ctest --preset "$preset" --output-on-failure -j2 2>&1 | tee "$log"
    local line
    line=$(grep -E '[0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
        local f=${BASH_REMATCH[1]} total=${BASH_REMATCH[2]}
        failed=$((failed + f))
        passed=$((passed + total - f))
        summaries+=("$preset: $line ($((SECONDS - start)) s)")
        ((total > 0)) || { failed=$((failed + 1)); summaries+=("$preset: no tests ran"); }
    else
        failed=$((failed + 1))
        summaries+=("$preset: ctest gave no summary")
    fi
    rm -f "$log"
}

# Each fuzz target counts as one test: a finding fails it and is kept under fuzz/corpus/.
run_fuzzers() {
    local log start
    log=$(mktemp)
    start=$SECONDS
    echo "== fuzz: configure and build"
    if ! cmake --preset fuzz >"$log" 2>&1 ||
        ! cmake --build --preset fuzz --target fuzzers --parallel 2 >>"$log" 2>&1; then
        cat "$log"
        summaries+=("fuzz: build FAILED")
        failed=$((failed + 1))
        rm -f "$log"
        return
    fi
    echo "== fuzz: run each target for ${FUZZ_SECONDS:-30} s"
    tools/run-fuzzers.sh "${FUZZ_SECONDS:-30}" 2>&1 | tee "$log"
    local line
    line=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$log" | tail -n 1)
    if [[ $line =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
        passed=$((passed + BASH_REMATCH[1]))
        failed=$((failed + BASH_REMATCH[2]))
        summaries+=("fuzz: $line ($((SECONDS - start)) s)")
    else
        failed=$((failed + 1))
        summaries+=("fuzz: no summary")
    fi
    rm -f "$log"
}

run_preset default
run_preset asan
run_preset windows
run_fuzzers

echo "== summary"
printf '%s\n' "${summaries[@]}"
echo "$passed passed, $failed failed"
((failed == 0))
