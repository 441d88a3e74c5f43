// The rival camps, one line each: the camp place they belong to, their centre, where their
// still stands (none: at the centre) and whether they need the online (MP) assets; below,
// one line per prop set: the complex's number, the prop set, where it stands, its heading
// and whether it needs the MP assets. A camp found floating or standing in a river in the
// game is mended here, one line at a time. Only the first camp, and the second's centre, are
// known placements; the rest were laid out on the map and have not been checked in the game.
#include "missions/CampComplex.h"

namespace corvale {

namespace {
// The player's camp places, by the game's hash of their region's name.
constexpr int32_t kTallTrees = 0x6467ef09;
constexpr int32_t kBigValley = 0x3108c492;
constexpr int32_t kGrizzliesWest = 0x62162401;
constexpr int32_t kHeartlands = 0x7d4ff5f;
constexpr int32_t kBayouNwa = 0x78bfe1ac;
constexpr int32_t kGaptoothRidge = static_cast<int32_t>(0x84d7ad0eu);

constexpr bool kMp = true;
constexpr bool kOpen = false;

// clang-format off
constexpr ComplexRow kComplexes[] = {
    {kTallTrees, {-2320.08f, -1396.92f, 143.564f}, true, {-2302.78f, -1403.07f, 142.016f}, kOpen}, // 0
    {kTallTrees, {-1831.34f, -1843.94f, 106.582f}, false, {}, kOpen}, // 1
    {kTallTrees, {-1391.73f, -1690.48f, 109.59f}, true, {-1401.37f, -1696.48f, 108.69f}, kOpen}, // 2
    {kTallTrees, {-2884.28f, -1496.76f, 109.30f}, true, {-2873.00f, -1493.12f, 109.32f}, kOpen}, // 3
    {kBigValley, {-1936.67f, 596.82f, 90.09f}, true, {-1919.47f, 594.69f, 90.24f}, kOpen}, // 4
    {kBigValley, {-2298.42f, -57.37f, 97.68f}, true, {-2300.86f, -68.54f, 98.61f}, kMp}, // 5
    {kBigValley, {-1619.41f, -259.13f, 99.91f}, true, {-1623.05f, -280.57f, 98.81f}, kMp}, // 6
    {kBigValley, {-2345.79f, 492.63f, 87.00f}, false, {}, kOpen}, // 7
    {kGrizzliesWest, {-1634.40f, 2246.81f, 222.60f}, true, {-1641.06f, 2228.76f, 222.75f}, kOpen}, // 8
    {kGrizzliesWest, {-2494.85f, 2355.47f, 239.99f}, true, {-2488.21f, 2353.45f, 240.97f}, kMp}, // 9
    {kGrizzliesWest, {-623.64f, 1985.34f, 244.71f}, false, {}, kOpen}, // 10
    {kHeartlands, {1954.10f, 1263.70f, 143.00f}, true, {1955.54f, 1284.46f, 143.91f}, kOpen}, // 11
    {kHeartlands, {2499.82f, 1051.90f, 137.79f}, true, {2495.06f, 1039.32f, 138.01f}, kMp}, // 12
    {kHeartlands, {1154.10f, 1610.11f, 137.70f}, true, {1141.07f, 1620.76f, 137.56f}, kOpen}, // 13
    {kHeartlands, {2969.67f, 265.25f, 132.96f}, true, {2979.43f, 263.36f, 131.88f}, kMp}, // 14
    {kHeartlands, {1654.10f, 2244.08f, 123.11f}, false, {}, kOpen}, // 15
    {kBayouNwa, {1996.93f, -1605.29f, 45.81f}, true, {1990.81f, -1611.95f, 46.22f}, kOpen}, // 16
    {kBayouNwa, {1473.31f, -1924.03f, 39.84f}, true, {1454.08f, -1925.84f, 39.78f}, kOpen}, // 17
    {kBayouNwa, {2436.30f, -1293.83f, 41.74f}, true, {2428.97f, -1284.37f, 40.35f}, kMp}, // 18
    {kBayouNwa, {794.30f, -1722.28f, 40.26f}, true, {781.12f, -1707.25f, 39.22f}, kOpen}, // 19
    {kGaptoothRidge, {-4954.26f, -2967.36f, -31.12f}, true, {-4971.46f, -2960.39f, -29.80f}, kOpen}, // 20
    {kGaptoothRidge, {-6253.30f, -2817.36f, -28.53f}, true, {-6251.08f, -2829.85f, -28.93f}, kMp}, // 21
    {kGaptoothRidge, {-5473.88f, -4467.36f, -15.99f}, true, {-5480.44f, -4455.14f, -16.92f}, kOpen}, // 22
    {kGaptoothRidge, {-4926.65f, -1763.85f, -32.82f}, false, {}, kOpen}, // 23
};

constexpr PropSetRow kPropSets[] = {
    {0, "pg_ambient_campfireexconfed01x", {-2314.96f, -1395.95f, 143.55f}, 180, kOpen},
    {0, "pg_mp_moonshinecamp03x", {-2302.78f, -1403.07f, 142.016f}, 140, kMp},
    {0, "pg_player_campfire04x", {-2303.81f, -1398.53f, 143.274f}, 0, kOpen},
    {1, "PG_MP_GANGBOUNTY_GEN_POPULATED01X", {-1826.62f, -1851.18f, 106.49f}, 180, kMp},
    {1, "pg_ambient_campfire02xb", {-1838.27f, -1840.75f, 106.91f}, 270, kOpen},
    {2, "pg_mp_moonshinecamp03x", {-1401.37f, -1696.48f, 108.69f}, 310, kMp},
    {2, "pg_re_dustersgang01x", {-1397.92f, -1684.04f, 108.98f}, 160, kOpen},
    {2, "PG_SCENARIO_CHOPWOOD", {-1410.96f, -1697.25f, 108.45f}, 330, kOpen},
    {2, "pg_ambient_campfire02x", {-1383.27f, -1707.04f, 110.69f}, 150, kOpen},
    {3, "pg_mp_moonshinecamp02x", {-2873.00f, -1493.12f, 109.32f}, 310, kMp},
    {3, "pg_re_odoriscollboysgang01x", {-2882.00f, -1507.30f, 107.82f}, 250, kOpen},
    {3, "pg_ambient_campfire03x_tent", {-2901.61f, -1500.02f, 109.41f}, 330, kOpen},
    {4, "pg_mp_moonshinecamp03x", {-1919.47f, 594.69f, 90.24f}, 180, kMp},
    {4, "pg_re_mountainmen01x", {-1957.23f, 593.88f, 89.02f}, 100, kOpen},
    {4, "PG_AMBIENT_CAMPFIREWINTER01X", {-1951.88f, 590.78f, 91.01f}, 80, kOpen},
    {4, "PG_RE_ISLANDSTANDOFF02X", {-1925.26f, 604.37f, 88.89f}, 120, kOpen},
    {5, "pg_mp_moonshinecamp03x", {-2300.86f, -68.54f, 98.61f}, 340, kMp},
    {5, "pg_mp_possecamp_pokertable01x", {-2312.03f, -60.03f, 97.61f}, 310, kMp},
    {5, "PG_MP_POSSECAMP_FOLLOWERTENT_LARGE001X", {-2306.20f, -71.78f, 97.81f}, 130, kMp},
    {5, "PG_MP_CAMPTRACK304X", {-2315.31f, -65.00f, 97.36f}, 340, kMp},
    {6, "pg_mp_moonshinecamp03x", {-1623.05f, -280.57f, 98.81f}, 50, kMp},
    {6, "PG_MP_POSSECAMP_CAMPFIRE_LARGE002X", {-1638.31f, -261.71f, 98.96f}, 260, kMp},
    {6, "pg_mp_gangbounty01x", {-1631.97f, -271.04f, 100.45f}, 230, kMp},
    {7, "pg_moonshinecampgroup01x", {-2329.20f, 482.32f, 86.40f}, 80, kOpen},
    {7, "pg_re_davisboysgang01x", {-2361.51f, 485.69f, 88.09f}, 270, kOpen},
    {7, "pg_ambient_campfire02xb", {-2352.63f, 487.40f, 87.72f}, 270, kOpen},
    {8, "pg_mp_moonshinecamp03x", {-1641.06f, 2228.76f, 222.75f}, 0, kMp},
    {8, "pg_re_inbredgang01x", {-1632.26f, 2265.01f, 222.37f}, 250, kOpen},
    {8, "PG_AMBIENT_CAMPFIREWINTER01X", {-1636.31f, 2261.62f, 223.71f}, 90, kOpen},
    {8, "pg_bh_campreturn01x", {-1637.47f, 2266.23f, 221.63f}, 230, kOpen},
    {9, "pg_mp_moonshinecamp02x", {-2488.21f, 2353.45f, 240.97f}, 220, kMp},
    {9, "pg_mp_possecamp_hobo_medium011x", {-2493.89f, 2373.22f, 241.41f}, 330, kMp},
    {9, "PG_MP_CAMPTRACK306X", {-2502.48f, 2350.00f, 241.33f}, 100, kMp},
    {9, "pg_mp_campfire03x", {-2504.00f, 2340.93f, 240.88f}, 80, kMp},
    {10, "pg_gangcamp_skinner_argument", {-616.22f, 1994.74f, 244.29f}, 50, kOpen},
    {10, "pg_gangcamp_skinner_torture", {-640.39f, 1997.99f, 245.37f}, 250, kOpen},
    {10, "PG_AMBIENT_CAMPFIREWINTER01X", {-605.36f, 1991.40f, 244.44f}, 330, kOpen},
    {11, "pg_mp_moonshinecamp03x", {1955.54f, 1284.46f, 143.91f}, 20, kMp},
    {11, "pg_re_exconfederategang01x", {1942.69f, 1268.64f, 141.77f}, 180, kOpen},
    {11, "pg_ambient_campfireexconfed01x", {1947.13f, 1259.41f, 143.53f}, 280, kOpen},
    {11, "PG_SCENARIO_CHOPWOOD", {1938.77f, 1273.34f, 142.48f}, 160, kOpen},
    {12, "pg_mp_moonshinecamp03x", {2495.06f, 1039.32f, 138.01f}, 140, kMp},
    {12, "pg_mp_possecamp_campfire_medium001x", {2494.73f, 1071.23f, 138.95f}, 200, kMp},
    {12, "PG_MP_CAMPTRACK307X", {2481.40f, 1040.59f, 136.57f}, 230, kMp},
    {12, "pg_mp_gangbounty02x", {2486.38f, 1036.03f, 137.76f}, 320, kMp},
    {13, "pg_mp_moonshinecamp03x", {1141.07f, 1620.76f, 137.56f}, 10, kMp},
    {13, "PG_COMPANIONACTIVITY_ROBBERY", {1133.37f, 1611.27f, 138.70f}, 130, kOpen},
    {13, "pg_ambient_campfire02x", {1152.74f, 1597.83f, 138.45f}, 40, kOpen},
    {14, "pg_mp_moonshinecamp03x", {2979.43f, 263.36f, 131.88f}, 200, kMp},
    {14, "PG_MP_GANGBOUNTY_GEN_POPULATED01X", {2977.68f, 264.33f, 133.62f}, 280, kMp},
    {14, "pg_mp_possecamp_pokertable01x", {2955.43f, 267.56f, 133.49f}, 320, kMp},
    {15, "PG_RC_ODDFELLOWS2_01X", {1664.44f, 2226.66f, 123.45f}, 170, kOpen},
    {15, "pg_re_exconfederategang02x", {1639.86f, 2241.81f, 123.72f}, 220, kOpen},
    {15, "pg_ambient_campfire03x_tent", {1654.75f, 2259.86f, 122.48f}, 180, kOpen},
    {16, "pg_mp_moonshinecamp03x", {1990.81f, -1611.95f, 46.22f}, 330, kMp},
    {16, "pg_re_cochinaygang01x", {1988.35f, -1601.31f, 44.81f}, 190, kOpen},
    {16, "pg_ambient_campfire02xb", {1997.34f, -1615.06f, 45.55f}, 350, kOpen},
    {16, "pg_moonshiner_rescueCook_01x", {1992.58f, -1610.08f, 45.95f}, 150, kOpen},
    {17, "pg_mp_moonshinecamp03x", {1454.08f, -1925.84f, 39.78f}, 120, kMp},
    {17, "pg_re_odoriscollboysgang02x", {1474.00f, -1912.89f, 39.13f}, 190, kOpen},
    {17, "pg_ambient_campfire02x", {1464.38f, -1932.13f, 40.23f}, 350, kOpen},
    {18, "pg_mp_moonshinecamp02x", {2428.97f, -1284.37f, 40.35f}, 40, kMp},
    {18, "pg_mp_possecamp_hobo_medium011x", {2421.12f, -1279.89f, 40.68f}, 40, kMp},
    {18, "PG_MP_POSSECAMP_CAMPFIRE_LARGE002X", {2424.89f, -1311.85f, 41.02f}, 130, kMp},
    {19, "pg_mp_moonshinecamp03x", {781.12f, -1707.25f, 39.22f}, 210, kMp},
    {19, "pg_re_inbredgang01x", {805.86f, -1723.31f, 38.87f}, 180, kOpen},
    {19, "pg_player_campfire04x", {784.83f, -1724.73f, 39.31f}, 90, kOpen},
    {19, "PG_SCENARIO_CHOPWOOD", {803.36f, -1708.97f, 38.82f}, 20, kOpen},
    {20, "pg_mp_moonshinecamp03x", {-4971.46f, -2960.39f, -29.80f}, 30, kMp},
    {20, "pg_re_dustersgang01x", {-4953.24f, -2986.00f, -32.14f}, 190, kOpen},
    {20, "pg_ambient_campfire02x", {-4943.92f, -2963.20f, -30.87f}, 330, kOpen},
    {20, "PG_RE_ISLANDSTANDOFF02X", {-4959.46f, -2977.41f, -31.85f}, 220, kOpen},
    {21, "pg_mp_moonshinecamp03x", {-6251.08f, -2829.85f, -28.93f}, 340, kMp},
    {21, "pg_mp_campfire03x", {-6251.06f, -2807.22f, -29.57f}, 130, kMp},
    {21, "PG_MP_POSSECAMP_FOLLOWERTENT_LARGE001X", {-6253.89f, -2807.69f, -29.18f}, 120, kMp},
    {21, "pg_mp_possecamp_campfire_medium001x", {-6243.27f, -2815.93f, -27.36f}, 220, kMp},
    {22, "pg_mp_moonshinecamp03x", {-5480.44f, -4455.14f, -16.92f}, 10, kMp},
    {22, "pg_re_exconfederategang01x", {-5481.09f, -4446.67f, -16.80f}, 250, kOpen},
    {22, "pg_ambient_campfireexconfed01x", {-5478.22f, -4482.30f, -14.93f}, 220, kOpen},
    {23, "pg_re_mountainmen01x", {-4944.40f, -1760.37f, -31.82f}, 40, kOpen},
    {23, "pg_re_davisboysgang01x", {-4940.37f, -1771.82f, -32.30f}, 220, kOpen},
    {23, "pg_ambient_campfire02xb", {-4929.05f, -1744.28f, -33.72f}, 270, kOpen},
};
// clang-format on
} // namespace

std::span<const ComplexRow> ComplexRows() {
    return kComplexes;
}

std::span<const PropSetRow> PropSetRows() {
    return kPropSets;
}

} // namespace corvale
