#pragma once
// The one owner of the current mission: starts missions on request, starts the cook rescue
// kick-off by itself while the player has no camp, ticks the mission, and when it has
// terminated reports it, records a pass in the save file and destroys it.
#include "missions/BaseMissionProcessor.h"
#include "missions/MissionKit.h"
#include "missions/MissionOutcome.h"
#include "missions/MissionTypes.h"
#include "missions/SavedCamp.h"

#include <functional>
#include <map>
#include <memory>

namespace corvale {

class DictDataFile;
class GameTimer;

class MissionsManager final {
  public:
    // Builds a mission of one type for a location, handing it the kit; null refuses the start.
    using Builder = std::function<std::unique_ptr<BaseMissionProcessor>(int32_t locationId,
                                                                        const MissionKit& kit)>;

    // save: "Savegame.dat" (the camp's location, results); lang: "Lang.dat" (the toasts);
    // kit: what the missions and the toasts are shown with;
    // kickOffCooldown: the named timer "missions_manager.cook_cooldown", which reads as
    // passed from the start.
    MissionsManager(DictDataFile& save, const DictDataFile& lang, const MissionKit& kit,
                    GameTimer& kickOffCooldown, SavedCamp::PlaceTest isCampLocation);
    MissionsManager(const MissionsManager&) = delete;
    MissionsManager& operator=(const MissionsManager&) = delete;

    // Each mission type connects here, with what its pass or failure does to the camp's
    // statistics; a type without a builder is refused as unknown.
    void registerType(MissionType type, Builder build, const MissionOutcome& outcome = {});
    // The registered outcome of a type number as a script event carries it; null for a
    // number no type has.
    const MissionOutcome* outcome(int32_t type) const;

    // Once per frame, after the pending messages and before the camp manager.
    void tick();
    // No mission yet, the player not wanted and nobody fighting him; the arguments are not
    // consulted.
    bool canStartMission(MissionType type, int32_t locationId) const;
    // A refused start leaves no trace; an unknown type is logged.
    bool startMission(MissionType type, int32_t locationId);
    // The debug tools' way out: cleans the mission up and forgets it without a report.
    void abortMission();
    // The camp moves: a mission of type that has not come to the player yet is aborted
    // (no result, no statistic changes) and logged; true when one was.
    bool abortUnengaged(MissionType type, const char* why);
    bool hasMission() const { return current_ != nullptr; }
    BaseMissionProcessor* mission() const { return current_.get(); }

  private:
    void tickKickOff();
    void finishMission();

    DictDataFile& save_;
    const DictDataFile& lang_;
    MissionKit kit_;
    SavedCamp camp_;
    GameTimer& kickOffCooldown_;
    struct Registration {
        Builder build;
        MissionOutcome outcome;
    };
    std::map<MissionType, Registration> types_;
    std::unique_ptr<BaseMissionProcessor> current_;
};

} // namespace corvale
