#!/bin/sh
# Makes both release zips from stand-in plug-ins and the shipped data, checks them, then
# checks that the check rejects an upgrade zip that would overwrite the player's settings.
#   check_release_zips.sh PYTHON TOOLS_DIR DATA_DIR WORK_DIR VERSION
set -eu
python=$1 tools=$2 data=$3 work=$4 version=$5
rm -rf "$work"
mkdir -p "$work/plugins"
printf 'MZ camp stand-in' > "$work/plugins/CorvaleCamp.asi"
printf 'MZ business stand-in' > "$work/plugins/CorvaleBusiness.asi"
"$python" "$tools/make_zips.py" "$version" "$work/plugins" "$data" "$work/dist" > /dev/null
"$python" "$tools/check_zips.py" "$version" "$work/dist" "$work/plugins" "$data"
# The full zip carries Settings.ini; the upgrade one must not.
"$python" -c 'import sys, zipfile
full = zipfile.ZipFile(sys.argv[1]).namelist()
upgrade = zipfile.ZipFile(sys.argv[2]).namelist()
assert "Corvale/Settings.ini" in full, "the full zip lacks Settings.ini"
assert "Corvale/Settings.ini" not in upgrade, "the upgrade zip holds Settings.ini"
print("Settings.ini: in the full zip, not in the upgrade")' \
    "$work/dist/Corvale-$version.zip" "$work/dist/Corvale-$version-upgrade.zip"
"$python" -c 'import sys, zipfile
zipfile.ZipFile(sys.argv[1], "a").write(sys.argv[2], "Corvale/Settings.ini")' \
    "$work/dist/Corvale-$version-upgrade.zip" "$data/Corvale/Settings.ini"
if "$python" "$tools/check_zips.py" "$version" "$work/dist" "$work/plugins" "$data"; then
    echo "check_zips.py passed an upgrade zip that holds Settings.ini"
    exit 1
fi
echo "an upgrade zip with Settings.ini is rejected"
