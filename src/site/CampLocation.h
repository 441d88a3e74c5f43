#pragma once
// The seven places the camp can stand at, looked up by id. The id is the game's hash of the
// map region holding the camp: it is saved, sent in events and given to missions.
#include "core/natives/Vector3.h"

#include <cstdint>
#include <span>

namespace corvale {

class GameData;

struct CampLocation {
    int32_t id;
    Vector3 position;   // the camp's origin on the ground
    float heading;      // degrees
    int32_t missionId;  // the location id handed to missions (equal to id)
    Vector3 cookOffset; // the cook's work spot, from the position
    float cookHeading;
    Vector3 hitchOffset; // the hitching post, from the position
    float hitchHeading;
    const char* picture; // its picture in the "menu_camp_textures" dictionary
};

// The location with id, or null with the log line
// "CampLocations: could not find a camp location with id: " and the id.
const CampLocation* FindCampLocation(int32_t id);
// Every location, in the order the selector lists them.
std::span<const CampLocation> CampLocations();
// Whether id names one of the places; quiet, as the save is asked on idle frames too.
bool IsCampPlace(int32_t id);
// The display name: the Lang.dat text of "areas." and the id in signed decimal.
const char* CampLocationName(const GameData& data, const CampLocation& location);

} // namespace corvale
