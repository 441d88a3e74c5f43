#include "site/CampLocation.h"

#include "core/data/CampPlaces.h"
#include "core/log/Log.h"
#include "ui/LangText.h"

#include <array>
#include <cstdio>
#include <string>

namespace corvale {

namespace {

// A place with the usual layout: the cook 6.3 m and the hitching post 10 m behind the
// origin, turned 30 and 60 degrees from the camp's heading.
CampLocation Place(int32_t id, Vector3 position, float heading, const char* picture) {
    return CampLocation{id,
                        position,
                        heading,
                        id,
                        Vector3{1.0f, -6.3f, 0.0f},
                        heading - 30,
                        Vector3{2.0f, -10.0f, 0.0f},
                        heading - 60,
                        picture};
}

std::array<CampLocation, 7> FillTable() {
    Log("CampLocations: filling camp locations data");
    CampLocation tallTrees = Place(camp_places::kTallTrees, Vector3{-1997.95f, -1340.48f, 117.242f}, 0,
                                   "map_camp_location_tall_trees");
    tallTrees.cookOffset = Vector3{1.0f, -6.3f, 1.0f}; // the work spot stands a metre up
    tallTrees.cookHeading = -30;
    CampLocation bayouNwa = Place(camp_places::kBayouNwa, Vector3{1746.93f, -1172.28f, 40.8089f}, 270,
                                  "map_camp_location_bayou_nwa");
    bayouNwa.cookOffset = Vector3{-6.2f, -1.4f, 0.0f};
    bayouNwa.cookHeading = 240;
    bayouNwa.hitchOffset = Vector3{-8.0f, -5.3f, 0.0f};
    bayouNwa.hitchHeading = 310;
    return {
        tallTrees,
        Place(camp_places::kChollaSprings, Vector3{-3336.57f, -2996.35f, 2.57184f}, 0,
              "map_camp_location_cholla_springs"),
        Place(camp_places::kHeartlands, Vector3{1654.1f, 744.083f, 131.108f}, 0, "map_camp_location_heartlands"),
        bayouNwa,
        Place(camp_places::kGrizzlies, Vector3{-1805.41f, 1776.96f, 234.466f}, 200,
              "map_camp_location_grizzlies"),
        Place(camp_places::kBigValley, Vector3{-1345.79f, 492.628f, 95.5548f}, 0, "map_camp_location_big_valley"),
        Place(camp_places::kGaptoothRidge, Vector3{-5473.88f, -3267.36f, -22.1376f}, 0,
              "map_camp_location_gaptooth_ridge"),
    };
}

const std::array<CampLocation, 7>& Table() {
    static const std::array<CampLocation, 7> table = FillTable();
    return table;
}

} // namespace

const CampLocation* FindCampLocation(int32_t id) {
    for (const CampLocation& location : Table())
        if (location.id == id) return &location;
    Log("CampLocations: could not find a camp location with id: " + std::to_string(id));
    return nullptr;
}

std::span<const CampLocation> CampLocations() {
    return Table();
}

bool IsCampPlace(int32_t id) {
    for (const CampLocation& place : Table())
        if (place.id == id) return true;
    return false;
}

const char* CampLocationName(const GameData& data, const CampLocation& location) {
    char key[32];
    std::snprintf(key, sizeof key, "areas.%d", static_cast<int>(location.id));
    return LangText(data, key);
}

} // namespace corvale
