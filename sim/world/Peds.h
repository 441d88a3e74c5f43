#pragma once
// What the world knows about peds beyond their entity: relationship group, config flags,
// outfit and speech.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim {

// What scripts set on a ped; most of it only configures how the game plays it.
struct PedState {
    uint32_t relationship = 0; // game hash of the relationship group
    std::map<int32_t, bool> configFlags;
    bool randomOutfit = false;
    uint64_t speakingUntil = 0; // frame at which the current line ends
    std::string voice;          // ambient voice name
    int32_t outfitPreset = -1;
    std::vector<uint32_t> shopItems; // applied, in order
    int32_t accuracy = -1;
    std::map<int32_t, bool> combatAttributes;
    bool blockingEvents = false; // ignores non-temporary events
    bool keepTask = false;
    bool ignoreDeadBodies = false;
    bool mayEnterDeepWater = true;
    int32_t hiddenWeapons = -1; // the hide mode last set, -1 never
    float seeingRange = 60;     // metres
    std::map<std::string, float> blackboard;
    std::string promptName;
    std::string eventTracker;
    bool crouchMovement = false;
    bool human = true; // horses are not
    int32_t mount = 0; // the horse ridden, 0 on foot
    bool hogtied = false;
    bool fleeing = false;
    std::vector<float> exits; // scenario exits asked for (panic, quick, combat)
};

struct SpokenLine {
    int32_t ped = 0;
    std::string line, voice;
};

struct Peds {
    uint64_t speechFrames = 60; // how long a line plays
    float nearbyRadius = 50.0f; // how far around a ped the game finds other peds
    std::map<int32_t, PedState> state;
    std::vector<SpokenLine> said;
};

} // namespace sim
