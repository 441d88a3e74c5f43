#!/usr/bin/env bash
# Builds the Windows plug-ins, runs the Windows checks, and writes the player's zips:
#   dist/Corvale-VERSION.zip          the two .asi, the Corvale folder, INSTALL.txt
#   dist/Corvale-VERSION-upgrade.zip  the same without Savegame.dat, Savegame2.dat and
#                                     TutorialFlags.dat, so an upgrade keeps the player's saves
# VERSION is the project version in CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-packages.sh cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    wine64 python3
cmake --preset windows >/dev/null
cmake --build --preset windows --parallel 2
# Only plug-ins that passed the Windows checks are shipped.
ctest --preset windows -j2
version=$(cat build/windows/version.txt)
[[ -n $version ]] || { echo "release.sh: no project version in build/windows" >&2; exit 1; }
rm -f "dist/Corvale-$version.zip" "dist/Corvale-$version-upgrade.zip"
python3 tools/release/make_zips.py "$version" build/windows/plugins data dist
python3 tools/release/check_zips.py "$version" dist build/windows/plugins data
