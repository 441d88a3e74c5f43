#!/usr/bin/env python3
"""Writes the player's zips of one release into OUT:
  Corvale-VERSION.zip          the two .asi plug-ins, the Corvale folder, INSTALL.txt
  Corvale-VERSION-upgrade.zip  the same without the player's saves and settings, so an
                               upgrade keeps them (every setting has a built-in value)

  make_zips.py VERSION PLUGIN_DIR DATA_DIR OUT
"""
import sys
import zipfile
from pathlib import Path

PLUGINS = ("CorvaleCamp.asi", "CorvaleBusiness.asi")
# Written by the plug-ins as the player plays; the upgrade zip must never replace them.
SAVES = ("Corvale/Savegame.dat", "Corvale/Savegame2.dat", "Corvale/TutorialFlags.dat")
# Edited by the player; a setting missing from an older file keeps its built-in value.
SETTINGS = "Corvale/Settings.ini"
# What the upgrade zip leaves in the game folder as it finds it.
PLAYERS_FILES = SAVES + (SETTINGS,)
NOTE = Path(__file__).with_name("INSTALL.txt")


def entries(plugin_dir: Path, data_dir: Path):
    """(name in the zip, file on disk), in a fixed order."""
    found = [(name, plugin_dir / name) for name in PLUGINS]
    folder = data_dir / "Corvale"
    found += sorted(
        ("Corvale/" + p.relative_to(folder).as_posix(), p) for p in folder.rglob("*") if p.is_file()
    )
    found.append(("INSTALL.txt", NOTE))
    return found


def write(path: Path, files):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, source in files:
            z.write(source, name)


def main(argv):
    if len(argv) != 5:
        sys.exit(__doc__)
    version, plugin_dir, data_dir, out = argv[1], Path(argv[2]), Path(argv[3]), Path(argv[4])
    files = entries(plugin_dir, data_dir)
    missing = [str(source) for _, source in files if not source.is_file()]
    if missing:
        sys.exit("missing: " + ", ".join(missing))
    out.mkdir(parents=True, exist_ok=True)
    full = out / f"Corvale-{version}.zip"
    upgrade = out / f"Corvale-{version}-upgrade.zip"
    write(full, files)
    write(upgrade, [(name, source) for name, source in files if name not in PLAYERS_FILES])
    print(full)
    print(upgrade)


if __name__ == "__main__":
    main(sys.argv)
