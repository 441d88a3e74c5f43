#!/usr/bin/env python3
"""Unpacks both zips of a release and checks them: the full one holds exactly the two
plug-ins (byte for byte the checked build's), every file of the shipped Corvale folder and
the install note; the upgrade one the same without the three saves and Settings.ini.

  check_zips.py VERSION ZIP_DIR PLUGIN_DIR DATA_DIR
"""
import sys
import tempfile
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent))
from make_zips import PLAYERS_FILES, PLUGINS  # noqa: E402


def unpacked(zip_path: Path, into: Path):
    with zipfile.ZipFile(zip_path) as z:
        bad = z.testzip()
        if bad:
            raise SystemExit(f"{zip_path.name}: {bad} is damaged")
        z.extractall(into)
    return sorted(p.relative_to(into).as_posix() for p in into.rglob("*") if p.is_file())


def main(argv):
    if len(argv) != 5:
        sys.exit(__doc__)
    version, zip_dir, plugin_dir, data_dir = argv[1], Path(argv[2]), Path(argv[3]), Path(argv[4])
    shipped = sorted(
        "Corvale/" + p.relative_to(data_dir / "Corvale").as_posix()
        for p in (data_dir / "Corvale").rglob("*")
        if p.is_file()
    )
    full_names = sorted(list(PLUGINS) + shipped + ["INSTALL.txt"])
    wanted = {
        f"Corvale-{version}.zip": full_names,
        f"Corvale-{version}-upgrade.zip": [n for n in full_names if n not in PLAYERS_FILES],
    }
    problems = []
    for zip_name, names in wanted.items():
        path = zip_dir / zip_name
        if not path.is_file():
            problems.append(f"{zip_name}: not written")
            continue
        with tempfile.TemporaryDirectory() as tmp:
            root = Path(tmp)
            found = unpacked(path, root)
            for name in sorted(set(names) - set(found)):
                problems.append(f"{zip_name}: {name} missing")
            for name in sorted(set(found) - set(names)):
                problems.append(f"{zip_name}: {name} should not be there")
            for name in names:
                if name not in found:
                    continue
                source = plugin_dir / name if name in PLUGINS else data_dir / name
                if name == "INSTALL.txt":
                    source = Path(__file__).with_name("INSTALL.txt")
                if (root / name).read_bytes() != source.read_bytes():
                    problems.append(f"{zip_name}: {name} differs from {source}")
        print(f"{zip_name}: {len(names)} files checked")
    for p in problems:
        print(p)
    if problems:
        sys.exit(1)
    print("both zips hold what a player installs")


if __name__ == "__main__":
    main(sys.argv)
