// The rival camps, one line each: the camp place they belong to, their centre, where their
// still stands (none: at the centre) and whether they need the online (MP) assets; below,
// one line per prop set: the complex's number, the prop set, where it stands, its heading
// and whether it needs the MP assets. The first two camps are given placements; the rest
// were laid out by tools/rival_camps.py on ground the game's own scripts use: beside one of
// the game's gang-camp spots where it has one, else where many of its points agree, each spot
// at the median height of the game's points around it. Prop sets are placed without snapping
// to the ground, so a height here is what the player gets.
#include "missions/CampComplex.h"

#include "core/data/CampPlaces.h"

namespace corvale {

namespace {
// The rows are keyed by the player's camp places.
using namespace camp_places;

constexpr bool kMp = true;
constexpr bool kOpen = false;

// clang-format off
constexpr ComplexRow kComplexes[] = {
    {kTallTrees, {-2320.08f, -1396.92f, 143.564f}, true, {-2302.78f, -1403.07f, 142.016f}, kOpen}, // 0
    {kTallTrees, {-1831.34f, -1843.94f, 106.582f}, false, {}, kOpen}, // 1
    {kTallTrees, {-2694.56f, -1432.41f, 146.10f}, true, {-2704.20f, -1438.41f, 146.12f}, kOpen}, // 2 beside GANG_SKINNER_TAL003
    {kTallTrees, {-2108.85f, -1807.09f, 141.73f}, true, {-2097.57f, -1803.45f, 141.62f}, kOpen}, // 3 beside GANG_SKINNER_TAL002
    {kBigValley, {-1720.72f, 637.26f, 117.71f}, true, {-1703.52f, 635.13f, 117.71f}, kOpen}, // 4 beside GANG_ODRISCOLLBOYS_BGV009
    {kBigValley, {-1129.73f, -183.60f, 89.48f}, true, {-1132.17f, -194.77f, 89.48f}, kMp}, // 5 beside GANG_ODRISCOLLBOYS_BGV001
    {kBigValley, {-1446.53f, 138.98f, 89.54f}, true, {-1450.17f, 117.54f, 89.76f}, kMp}, // 6 beside GANG_ODRISCOLLBOYS_BGV006
    {kBigValley, {-2636.19f, -21.51f, 159.63f}, false, {}, kOpen}, // 7 beside GANG_ODRISCOLLBOYS_BGV003
    {kGrizzlies, {-1040.00f, 1630.00f, 243.40f}, true, {-1046.66f, 1611.95f, 243.40f}, kOpen}, // 8
    {kGrizzlies, {-1400.00f, 1380.00f, 219.41f}, true, {-1393.36f, 1377.98f, 219.41f}, kMp}, // 9
    {kGrizzlies, {-1320.00f, 2500.00f, 309.37f}, false, {}, kOpen}, // 10
    {kHeartlands, {250.13f, 823.45f, 189.43f}, true, {251.57f, 844.21f, 189.43f}, kOpen}, // 11 beside GANG_ODRISCOLLBOYS_HRT012
    {kHeartlands, {1098.46f, 55.73f, 85.98f}, true, {1093.70f, 43.15f, 85.98f}, kMp}, // 12 beside GANG_ODRISCOLLBOYS_HRT004
    {kHeartlands, {564.97f, 1411.06f, 186.36f}, true, {551.94f, 1421.71f, 186.36f}, kOpen}, // 13 beside GANG_ODRISCOLLBOYS_CML004
    {kHeartlands, {638.17f, -77.99f, 149.03f}, true, {647.93f, -79.88f, 149.03f}, kMp}, // 14 beside GANG_ODRISCOLLBOYS_HRT003
    {kHeartlands, {462.20f, -256.70f, 143.09f}, false, {}, kOpen}, // 15 beside GANG_ODORISCOLLBOYS_HRT002
    {kBayouNwa, {1405.89f, -2204.46f, 48.37f}, true, {1399.77f, -2211.12f, 48.31f}, kOpen}, // 16 beside GANG_LEMOYNE_SCM002
    {kBayouNwa, {1370.63f, -1661.48f, 66.69f}, true, {1351.40f, -1663.29f, 66.68f}, kOpen}, // 17 beside GANG_LEMOYNE_SCM005
    {kBayouNwa, {1144.80f, -2180.63f, 54.65f}, true, {1137.47f, -2171.17f, 54.64f}, kMp}, // 18 beside GANG_LEMOYNE_SCM001
    {kBayouNwa, {700.52f, -961.03f, 53.98f}, true, {687.34f, -946.00f, 54.14f}, kOpen}, // 19 beside GANG_LEMOYNE_SCM013
    {kGaptoothRidge, {-5110.00f, -3200.00f, -16.40f}, true, {-5127.20f, -3193.03f, -16.41f}, kOpen}, // 20
    {kGaptoothRidge, {-5020.00f, -2670.00f, -13.03f}, true, {-5017.78f, -2682.49f, -13.08f}, kMp}, // 21
    {kGaptoothRidge, {-4590.00f, -2910.00f, -17.45f}, true, {-4596.56f, -2897.78f, -17.45f}, kOpen}, // 22
    {kGaptoothRidge, {-4640.00f, -3340.00f, 24.42f}, false, {}, kOpen}, // 23
};

constexpr PropSetRow kPropSets[] = {
    {0, "pg_ambient_campfireexconfed01x", {-2314.96f, -1395.95f, 143.55f}, 180, kOpen},
    {0, "pg_mp_moonshinecamp03x", {-2302.78f, -1403.07f, 142.016f}, 140, kMp},
    {0, "pg_player_campfire04x", {-2303.81f, -1398.53f, 143.274f}, 0, kOpen},
    {1, "PG_MP_GANGBOUNTY_GEN_POPULATED01X", {-1826.62f, -1851.18f, 106.49f}, 180, kMp},
    {1, "pg_ambient_campfire02xb", {-1838.27f, -1840.75f, 106.91f}, 270, kOpen},
    {2, "pg_mp_moonshinecamp03x", {-2704.20f, -1438.41f, 146.12f}, 310, kMp},
    {2, "pg_re_dustersgang01x", {-2700.75f, -1425.97f, 146.15f}, 160, kOpen},
    {2, "PG_SCENARIO_CHOPWOOD", {-2713.79f, -1439.18f, 146.15f}, 330, kOpen},
    {2, "pg_ambient_campfire02x", {-2686.10f, -1448.97f, 146.10f}, 150, kOpen},
    {3, "pg_mp_moonshinecamp02x", {-2097.57f, -1803.45f, 141.62f}, 310, kMp},
    {3, "pg_re_odoriscollboysgang01x", {-2106.57f, -1817.63f, 141.63f}, 250, kOpen},
    {3, "pg_ambient_campfire03x_tent", {-2126.18f, -1810.35f, 141.76f}, 330, kOpen},
    {4, "pg_mp_moonshinecamp03x", {-1703.52f, 635.13f, 117.71f}, 180, kMp},
    {4, "pg_re_mountainmen01x", {-1741.28f, 634.32f, 117.71f}, 100, kOpen},
    {4, "PG_AMBIENT_CAMPFIREWINTER01X", {-1735.93f, 631.22f, 117.71f}, 80, kOpen},
    {4, "PG_RE_ISLANDSTANDOFF02X", {-1709.31f, 644.81f, 117.71f}, 120, kOpen},
    {5, "pg_mp_moonshinecamp03x", {-1132.17f, -194.77f, 89.48f}, 340, kMp},
    {5, "pg_mp_possecamp_pokertable01x", {-1143.34f, -186.26f, 89.50f}, 310, kMp},
    {5, "PG_MP_POSSECAMP_FOLLOWERTENT_LARGE001X", {-1137.51f, -198.01f, 89.48f}, 130, kMp},
    {5, "PG_MP_CAMPTRACK304X", {-1146.62f, -191.23f, 89.48f}, 340, kMp},
    {6, "pg_mp_moonshinecamp03x", {-1450.17f, 117.54f, 89.76f}, 50, kMp},
    {6, "PG_MP_POSSECAMP_CAMPFIRE_LARGE002X", {-1465.43f, 136.40f, 89.54f}, 260, kMp},
    {6, "pg_mp_gangbounty01x", {-1459.09f, 127.07f, 89.76f}, 230, kMp},
    {7, "pg_moonshinecampgroup01x", {-2619.60f, -31.82f, 159.63f}, 80, kOpen},
    {7, "pg_re_davisboysgang01x", {-2651.91f, -28.45f, 159.20f}, 270, kOpen},
    {7, "pg_ambient_campfire02xb", {-2643.03f, -26.74f, 159.20f}, 270, kOpen},
    {8, "pg_mp_moonshinecamp03x", {-1046.66f, 1611.95f, 243.40f}, 0, kMp},
    {8, "pg_re_inbredgang01x", {-1037.86f, 1648.20f, 243.40f}, 250, kOpen},
    {8, "PG_AMBIENT_CAMPFIREWINTER01X", {-1041.91f, 1644.81f, 243.40f}, 90, kOpen},
    {8, "pg_bh_campreturn01x", {-1043.07f, 1649.42f, 243.40f}, 230, kOpen},
    {9, "pg_mp_moonshinecamp02x", {-1393.36f, 1377.98f, 219.41f}, 220, kMp},
    {9, "pg_mp_possecamp_hobo_medium011x", {-1399.04f, 1397.75f, 219.49f}, 330, kMp},
    {9, "PG_MP_CAMPTRACK306X", {-1407.63f, 1374.53f, 219.41f}, 100, kMp},
    {9, "pg_mp_campfire03x", {-1409.15f, 1365.46f, 219.37f}, 80, kMp},
    {10, "pg_gangcamp_skinner_argument", {-1312.58f, 2509.40f, 309.30f}, 50, kOpen},
    {10, "pg_gangcamp_skinner_torture", {-1336.75f, 2512.65f, 309.30f}, 250, kOpen},
    {10, "PG_AMBIENT_CAMPFIREWINTER01X", {-1301.72f, 2506.06f, 309.37f}, 330, kOpen},
    {11, "pg_mp_moonshinecamp03x", {251.57f, 844.21f, 189.43f}, 20, kMp},
    {11, "pg_re_exconfederategang01x", {238.72f, 828.39f, 189.43f}, 180, kOpen},
    {11, "pg_ambient_campfireexconfed01x", {243.16f, 819.16f, 189.43f}, 280, kOpen},
    {11, "PG_SCENARIO_CHOPWOOD", {234.80f, 833.09f, 189.43f}, 160, kOpen},
    {12, "pg_mp_moonshinecamp03x", {1093.70f, 43.15f, 85.98f}, 140, kMp},
    {12, "pg_mp_possecamp_campfire_medium001x", {1093.37f, 75.06f, 85.92f}, 200, kMp},
    {12, "PG_MP_CAMPTRACK307X", {1080.04f, 44.42f, 85.98f}, 230, kMp},
    {12, "pg_mp_gangbounty02x", {1085.02f, 39.86f, 85.98f}, 320, kMp},
    {13, "pg_mp_moonshinecamp03x", {551.94f, 1421.71f, 186.36f}, 10, kMp},
    {13, "PG_COMPANIONACTIVITY_ROBBERY", {544.24f, 1412.22f, 186.50f}, 130, kOpen},
    {13, "pg_ambient_campfire02x", {563.61f, 1398.78f, 186.50f}, 40, kOpen},
    {14, "pg_mp_moonshinecamp03x", {647.93f, -79.88f, 149.03f}, 200, kMp},
    {14, "PG_MP_GANGBOUNTY_GEN_POPULATED01X", {646.18f, -78.91f, 149.03f}, 280, kMp},
    {14, "pg_mp_possecamp_pokertable01x", {623.93f, -75.68f, 149.03f}, 320, kMp},
    {15, "PG_RC_ODDFELLOWS2_01X", {472.54f, -274.12f, 143.24f}, 170, kOpen},
    {15, "pg_re_exconfederategang02x", {447.96f, -258.97f, 141.99f}, 220, kOpen},
    {15, "pg_ambient_campfire03x_tent", {462.85f, -240.92f, 143.09f}, 180, kOpen},
    {16, "pg_mp_moonshinecamp03x", {1399.77f, -2211.12f, 48.31f}, 330, kMp},
    {16, "pg_re_cochinaygang01x", {1397.31f, -2200.48f, 48.37f}, 190, kOpen},
    {16, "pg_ambient_campfire02xb", {1406.30f, -2214.23f, 48.31f}, 350, kOpen},
    {16, "pg_moonshiner_rescueCook_01x", {1401.54f, -2209.25f, 48.41f}, 150, kMp}, // online content only
    {17, "pg_mp_moonshinecamp03x", {1351.40f, -1663.29f, 66.68f}, 120, kMp},
    {17, "pg_re_odoriscollboysgang02x", {1371.32f, -1650.34f, 66.62f}, 190, kOpen},
    {17, "pg_ambient_campfire02x", {1361.70f, -1669.58f, 66.78f}, 350, kOpen},
    {18, "pg_mp_moonshinecamp02x", {1137.47f, -2171.17f, 54.64f}, 40, kMp},
    {18, "pg_mp_possecamp_hobo_medium011x", {1129.62f, -2166.69f, 54.38f}, 40, kMp},
    {18, "PG_MP_POSSECAMP_CAMPFIRE_LARGE002X", {1133.39f, -2198.65f, 54.69f}, 130, kMp},
    {19, "pg_mp_moonshinecamp03x", {687.34f, -946.00f, 54.14f}, 210, kMp},
    {19, "pg_re_inbredgang01x", {712.08f, -962.06f, 54.01f}, 180, kOpen},
    {19, "pg_player_campfire04x", {691.05f, -963.48f, 53.71f}, 90, kOpen},
    {19, "PG_SCENARIO_CHOPWOOD", {709.58f, -947.72f, 54.14f}, 20, kOpen},
    {20, "pg_mp_moonshinecamp03x", {-5127.20f, -3193.03f, -16.41f}, 30, kMp},
    {20, "pg_re_dustersgang01x", {-5108.98f, -3218.64f, -16.42f}, 190, kOpen},
    {20, "pg_ambient_campfire02x", {-5099.66f, -3195.84f, -16.40f}, 330, kOpen},
    {20, "PG_RE_ISLANDSTANDOFF02X", {-5115.20f, -3210.05f, -16.40f}, 220, kOpen},
    {21, "pg_mp_moonshinecamp03x", {-5017.78f, -2682.49f, -13.08f}, 340, kMp},
    {21, "pg_mp_campfire03x", {-5017.76f, -2659.86f, -13.03f}, 130, kMp},
    {21, "PG_MP_POSSECAMP_FOLLOWERTENT_LARGE001X", {-5020.59f, -2660.33f, -13.03f}, 120, kMp},
    {21, "pg_mp_possecamp_campfire_medium001x", {-5009.97f, -2668.57f, -13.03f}, 220, kMp},
    {22, "pg_mp_moonshinecamp03x", {-4596.56f, -2897.78f, -17.45f}, 10, kMp},
    {22, "pg_re_exconfederategang01x", {-4597.21f, -2889.31f, -17.45f}, 250, kOpen},
    {22, "pg_ambient_campfireexconfed01x", {-4594.34f, -2924.94f, -17.45f}, 220, kOpen},
    {23, "pg_re_mountainmen01x", {-4657.75f, -3336.52f, 24.44f}, 40, kOpen},
    {23, "pg_re_davisboysgang01x", {-4653.72f, -3347.97f, 24.42f}, 220, kOpen},
    {23, "pg_ambient_campfire02xb", {-4642.40f, -3320.43f, 24.44f}, 270, kOpen},
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
