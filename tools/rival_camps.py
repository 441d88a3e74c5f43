#!/usr/bin/env python3
"""Lays the rival camps (rows 2 to 23 of the camp complex table) on open ground from the
game's own positions, and writes the small extracts of them that the project keeps.

  rival_camps.py layout WORLD_DIR        prints the complex and prop set rows
  rival_camps.py extract WORLD_DIR OUT   the game points within 40 m of every centre, still
                                         and prop set of the table, and the towns
  rival_camps.py ground WORLD_DIR OUT    the simulator's ground near the camp places, the
                                         rival camps and the towns

WORLD_DIR holds gang-camps.tsv, game-points.tsv and towns.tsv (positions from the game's
scripts). Distances are horizontal; a spot's ground is the median height of the game's
points within 40 m of it. Python 3 standard library only.
"""
import math
import re
import statistics
import sys

NEAR = 40.0  # the points that tell a spot's ground
CELL = 50.0  # the bucket size of the point index

# The player's camp places: name, table id, position (as the camp's table has them).
PLACES = [
    ("tall_trees", 0x6467EF09, (-1997.95, -1340.48, 117.242)),
    ("cholla_springs", None, (-3336.57, -2996.35, 2.57184)),
    ("heartlands", 0x7D4FF5F, (1654.1, 744.083, 131.108)),
    ("bayou_nwa", 0x78BFE1AC, (1746.93, -1172.28, 40.8089)),
    ("grizzlies", 0x62162401, (-1805.41, 1776.96, 234.466)),
    ("big_valley", 0x3108C492, (-1345.79, 492.628, 95.5548)),
    ("gaptooth_ridge", 0x84D7AD0E, (-5473.88, -3267.36, -22.1376)),
]


def read_tsv(path):
    with open(path) as f:
        rows = [line.rstrip("\n").split("\t") for line in f]
    return rows[1:]


class Points:
    def __init__(self, rows):
        # Many scripts carry the same list of positions: a position counts once.
        self.cells = {}
        seen = set()
        for x, y, z, script in rows:
            p = (float(x), float(y), float(z), script)
            at = (round(p[0], 1), round(p[1], 1), round(p[2], 1))
            if at in seen:
                continue
            seen.add(at)
            self.cells.setdefault(self.key(p[0], p[1]), []).append(p)

    @staticmethod
    def key(x, y):
        return (math.floor(x / CELL), math.floor(y / CELL))

    def near(self, x, y, r=NEAR):
        kx, ky = self.key(x, y)
        span = int(math.ceil(r / CELL))
        out = []
        for i in range(kx - span, kx + span + 1):
            for j in range(ky - span, ky + span + 1):
                for p in self.cells.get((i, j), ()):
                    if (p[0] - x) ** 2 + (p[1] - y) ** 2 <= r * r:
                        out.append(p)
        return out


def ground(points, x, y):
    """(median height, count, spread) of the points within 40 m; None when there are none."""
    near = points.near(x, y)
    if not near:
        return None
    zs = sorted(p[2] for p in near)
    q = len(zs) // 4
    return statistics.median(zs), len(zs), zs[-1 - q] - zs[q]


# --- the table as it stands: layout of each complex relative to its centre ---------------

ROW = re.compile(r"\{(k\w+), \{([-\d.]+)f, ([-\d.]+)f, ([-\d.]+)f\}, (true|false), "
                 r"\{(?:([-\d.]+)f, ([-\d.]+)f, ([-\d.]+)f)?\}, (kMp|kOpen)\}, // (\d+)")
PROP = re.compile(r"\{(\d+), \"(\w+)\", \{([-\d.]+)f, ([-\d.]+)f, ([-\d.]+)f\}, (\d+), "
                  r"(kMp|kOpen)\}")


def read_table(path):
    text = open(path).read()
    complexes = []
    for m in ROW.finditer(text):
        still = (float(m[6]), float(m[7]), float(m[8])) if m[5] == "true" else None
        complexes.append({"place": m[1], "centre": (float(m[2]), float(m[3]), float(m[4])),
                          "still": still, "mp": m[9], "props": []})
    for m in PROP.finditer(text):
        complexes[int(m[1])]["props"].append(
            {"name": m[2], "at": (float(m[3]), float(m[4]), float(m[5])),
             "heading": int(m[6]), "mp": m[7]})
    return complexes


# --- choosing spots -------------------------------------------------------------------------

def horizontal(a, b):
    return math.hypot(a[0] - b[0], a[1] - b[1])


def own_place(spot):
    """The camp place nearest the spot."""
    return min(PLACES, key=lambda p: horizontal(spot, p[2]))


def in_town(spot, towns):
    # With room to spare: the towns' radii are rough.
    return any(horizontal(spot, t[0]) <= t[1] + 50.0 for t in towns)


def near_hideout(points, spot):
    """A gang's hideout around, or points that tell of water or a shack at the spot."""
    if any(p[3].startswith("hideout_") for p in points.near(spot[0], spot[1], 250.0)):
        return True
    if any(p[3].startswith("shop_") or p[3] == "benedictpoint"
           for p in points.near(spot[0], spot[1], 200.0)):
        return True  # a settlement's shop or its own script
    return any(w in p[3] for p in points.near(spot[0], spot[1]) for w in ("fish", "shack"))


def place_complex(points, complex_, centre_xy, min_points):
    """The complex moved to the centre with each spot on the game's ground; None when a
    centre or still lacks evidence or a prop set strays more than 30 m from the centre."""
    cx, cy = complex_["centre"][0], complex_["centre"][1]
    dx, dy = centre_xy[0] - cx, centre_xy[1] - cy
    g = ground(points, *centre_xy)
    if g is None or g[1] < min_points:
        return None
    centre = (centre_xy[0], centre_xy[1], g[0])
    cost = g[2]
    still = None
    if complex_["still"]:
        s = complex_["still"]
        gs = ground(points, s[0] + dx, s[1] + dy)
        if gs is None or gs[1] < min_points:
            return None
        still = (s[0] + dx, s[1] + dy, gs[0])
        cost += gs[2] + abs(gs[0] - centre[2])
    props = []
    for p in complex_["props"]:
        at = (p["at"][0] + dx, p["at"][1] + dy)
        gp = ground(points, *at)
        if p["name"] in ("pg_mp_moonshinecamp02x", "pg_mp_moonshinecamp03x") and still:
            z = still[2]
        elif gp is None:
            z, cost = centre[2], cost + 5.0
        else:
            z = gp[0]
            cost += gp[2] + abs(z - centre[2])
        spot = (at[0], at[1], z)
        if math.dist(spot, centre) > 30.0:
            return None
        props.append(dict(p, at=spot))
    return {"centre": centre, "still": still, "props": props, "cost": cost}


def candidates_around(spot):
    for distance in (28.0, 32.0, 36.0):
        for step in range(24):
            a = math.radians(step * 15)
            yield (spot[0] + distance * math.cos(a), spot[1] + distance * math.sin(a))


def layout(world, table_path):
    points = Points(read_tsv(world + "/game-points.tsv"))
    camps = [(r[0], (float(r[1]), float(r[2]), float(r[3])))
             for r in read_tsv(world + "/gang-camps.tsv")]
    towns = [((float(r[1]), float(r[2]), float(r[3])), float(r[4]))
             for r in read_tsv(world + "/towns.tsv")]
    complexes = read_table(table_path)
    names = {"kTallTrees": "tall_trees", "kBigValley": "big_valley",
             "kGrizzliesWest": "grizzlies", "kHeartlands": "heartlands",
             "kBayouNwa": "bayou_nwa", "kGaptoothRidge": "gaptooth_ridge"}
    taken = [c["centre"] for c in complexes[:2]]
    used_spots = set()
    out = complexes[:2]
    for index, complex_ in enumerate(complexes[2:], start=2):
        place = next(p for p in PLACES if p[0] == names[complex_["place"]])

        def allowed(xy):
            d = horizontal(xy, place[2])
            return (250.0 <= d <= 2000.0 and own_place(xy) is place and
                    not in_town(xy, towns) and
                    all(horizontal(xy, t) >= 200.0 for t in taken))

        best = None
        # First choice: beside one of the game's own gang-camp spots, off the spot itself.
        for name, spot in camps:
            if name in used_spots or not allowed(spot):
                continue
            for xy in candidates_around(spot):
                if not allowed(xy):
                    continue
                placed = place_complex(points, complex_, xy, 5)
                if placed is None:
                    continue
                if any(horizontal(p["at"], spot) < 10.0 for p in placed["props"]):
                    continue
                # The game's camp spot stands on its ground: the points must agree with it.
                if abs(placed["centre"][2] - spot[2]) > 5.0:
                    continue
                if best is None or placed["cost"] < best[0]["cost"]:
                    best = (placed, name)
        if best is None:
            # Else open ground the game's points agree on: many points, little spread.
            many = 10 if place[0] == "gaptooth_ridge" else 5
            seen = set()
            for cell_points in points.cells.values():
                for p in cell_points[::4]:
                    xy = (round(p[0] / 10.0) * 10.0, round(p[1] / 10.0) * 10.0)
                    if xy in seen or not allowed(xy):
                        continue
                    seen.add(xy)
                    if near_hideout(points, xy):
                        continue
                    placed = place_complex(points, complex_, xy, many)
                    if placed is None:
                        continue
                    # Of spots alike, the one nearer the camp place.
                    placed["cost"] += (horizontal(xy, place[2]) / 250.0 +
                                       abs(placed["centre"][2] - place[2][2]) / 25.0)
                    if best is None or placed["cost"] < best[0]["cost"]:
                        best = (placed, None)
        if best is None:
            raise SystemExit("no spot for complex %d" % index)
        placed, spot_name = best
        used_spots.add(spot_name)
        taken.append(placed["centre"])
        out.append(dict(complex_, centre=placed["centre"], still=placed["still"],
                        props=placed["props"], spot=spot_name))
    return out


def f(v):
    return "%.2ff" % v


def point(p):
    return "{%s, %s, %s}" % (f(p[0]), f(p[1]), f(p[2]))


def print_rows(complexes):
    for i, c in enumerate(complexes[2:], start=2):
        still = point(c["still"]) if c["still"] else "{}"
        print("    {%s, %s, %s, %s, %s}, // %d%s" % (
            c["place"], point(c["centre"]), "true" if c["still"] else "false", still, c["mp"],
            i, " beside " + c["spot"] if c.get("spot") else ""))
    for i, c in enumerate(complexes[2:], start=2):
        for p in c["props"]:
            print("    {%d, \"%s\", %s, %d, %s}," % (i, p["name"], point(p["at"]), p["heading"],
                                                   p["mp"]))


# --- extracts ---------------------------------------------------------------------------

def spots_of(table):
    for i, c in enumerate(table):
        yield c["centre"]
        if c["still"]:
            yield c["still"]
        for p in c["props"]:
            yield p["at"]


def extract(world, table_path, out_path):
    points = Points(read_tsv(world + "/game-points.tsv"))
    table = read_table(table_path)
    keep = set()
    for s in spots_of(table[2:]):
        for p in points.near(s[0], s[1]):
            keep.add(p[:3])
    with open(out_path, "w") as f_out:
        f_out.write("# The game's points within 40 m of every rival camp spot (x y z), and the\n"
                    "# towns (town x y radius); from tools/rival_camps.py extract.\n")
        for t in read_tsv(world + "/towns.tsv"):
            f_out.write("town %s %s %s %s\n" % (t[0], t[1], t[2], t[4]))
        for p in sorted(keep):
            f_out.write("%.2f %.2f %.2f\n" % p)


GRID = 20.0           # the simulator's ground cells
GROUND_REACH = 300.0  # around each camp place, rival camp and town


def ground_table(world, table_path, out_path):
    """The simulator's ground: the median height of the game's points within 40 m of each
    20 m cell near the camp places, the rival camps and the towns (cells with at least three
    points), and those places, where the rest of the map falls back to."""
    points = Points(read_tsv(world + "/game-points.tsv"))
    table = read_table(table_path)
    towns = read_tsv(world + "/towns.tsv")
    places = [p[2] for p in PLACES] + [c["centre"] for c in table]
    places += [(float(t[1]), float(t[2]), float(t[3])) for t in towns]
    cells = {}
    span = int(GROUND_REACH / GRID)
    for c in places:
        gx, gy = round(c[0] / GRID), round(c[1] / GRID)
        for i in range(gx - span, gx + span + 1):
            for j in range(gy - span, gy + span + 1):
                if (i, j) in cells or math.hypot(i * GRID - c[0], j * GRID - c[1]) > GROUND_REACH:
                    continue
                g = ground(points, i * GRID, j * GRID)
                cells[(i, j)] = None if g is None or g[1] < 3 else g[0]
    with open(out_path, "w") as out:
        out.write("// Generated by tools/rival_camps.py ground from the game's own positions.\n")
        out.write("#include \"world/GameGround.h\"\n\nnamespace sim {\n\n")
        out.write("const GroundCell kGroundCells[] = {\n")
        for (i, j), z in sorted(cells.items()):
            if z is not None:
                out.write("    {%d, %d, %.2ff},\n" % (i, j, z))
        out.write("};\nconst size_t kGroundCellCount = sizeof kGroundCells / sizeof kGroundCells[0];\n\n")
        out.write("const GroundPlace kGroundPlaces[] = {\n")
        for c in places:
            out.write("    {%.2ff, %.2ff, %.2ff},\n" % tuple(c))
        out.write("};\nconst size_t kGroundPlaceCount = sizeof kGroundPlaces / sizeof kGroundPlaces[0];\n")
        out.write("\n} // namespace sim\n")


def main(argv):
    table = "src/missions/CampComplexTable.cpp"
    if len(argv) >= 3 and argv[1] == "layout":
        print_rows(layout(argv[2], table))
    elif len(argv) >= 4 and argv[1] == "extract":
        extract(argv[2], table, argv[3])
    elif len(argv) >= 4 and argv[1] == "ground":
        ground_table(argv[2], table, argv[3])
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
