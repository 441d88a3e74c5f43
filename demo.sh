#!/usr/bin/env bash
# Builds the Linux plug-ins and the simulator, then plays the demo story (or the scenarios
# given) with the timeline printed as it happens. Options go to corvale-sim.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-packages.sh cmake ninja-build g++ libgtest-dev libgmock-dev
cmake --preset default >/dev/null
cmake --build --preset default --parallel 2
sim=build/default/sim/corvale-sim
if [[ ! -x $sim ]]; then
    echo "demo.sh: $sim was not built" >&2
    exit 1
fi
exec "$sim" --trace "$@"
