#!/usr/bin/env bash
# Makes sure the given Debian packages are installed: installs the missing ones when run as
# root, otherwise prints the command that installs them and fails.
#   tools/ensure-packages.sh PACKAGE...
set -uo pipefail

missing=()
for p in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$p")
done
((${#missing[@]} == 0)) && exit 0

if [[ $(id -u) -eq 0 ]]; then
    echo "== installing: ${missing[*]}"
    apt-get update || exit 1
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}" || exit 1
else
    echo "Missing Debian packages. Install them with:" >&2
    echo "  sudo apt-get install ${missing[*]}" >&2
    exit 1
fi
