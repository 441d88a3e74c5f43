#pragma once
// What every mission shares: its status, reference point, the entities and prop sets it
// created and must remove, its objective line, and the supervision that fails it when the
// player dies.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"
#include "core/runtime/Executable.h"
#include "core/runtime/InlineVector.h"
#include "missions/MissionKit.h"
#include "missions/MissionTypes.h"

#include <vector>

namespace corvale {

class BaseMissionProcessor : public Executable {
  public:
    static constexpr size_t kObjectiveSize = 200;

    BaseMissionProcessor(MissionType type, MissionStatus status, const Vector3& position,
                         const MissionKit& kit);

    // Waiting: update. Running: fails on the player's death, else shows the objective again
    // on "INPUT_REVEAL_HUD" and updates. Terminated: nothing.
    void tick() override;
    // Deletes (debug tools on) or releases to the game what the mission created; mission
    // types extend it and call the base first.
    virtual void cleanup();
    // The mission's own per-frame logic.
    virtual void update() = 0;
    // Called by setStatus when the status really changes.
    virtual void onStatusChanged(MissionStatus oldStatus, MissionStatus newStatus);

    MissionType getType() const { return type_; }
    MissionStatus getStatus() const { return status_; }
    const Vector3& getPosition() const { return position_; }
    bool isActive() const { return !IsTerminated(status_); }
    // Whether the mission has come to the player at all (a raid: raiders spawned). One that
    // has not ends with the camp's move, without a result.
    virtual bool hasEngaged() const { return true; }
    // The mission found it can never come (a raid whose raiders never spawn): the missions
    // manager ends it without a result.
    virtual bool gaveUp() const { return false; }
    const char* objective() const { return objective_; }

    // Keeps the game's mission flag on exactly while running. Passed and failed are final:
    // a later change is ignored.
    void setStatus(MissionStatus status);
    // Registers what the mission created, so creation and registration read as one
    // expression; 0 (a spawn that gave up) is not registered.
    Entity addEntity(Entity entity);
    PropSet addPropSet(PropSet propSet);
    // Forgets an entity the mission gave away or removed itself, so the clean-up leaves it be.
    void dropEntity(Entity entity);
    // Deletes a registered entity now, whatever the debug tools say, and forgets it.
    void deleteEntity(Entity entity);
    // Every registered prop set stands in full (true when there is none).
    bool arePropSetsLoaded() const;
    // Keeps the line (cut to the buffer, never inside a character) and shows it at once
    // when show is set and it is not empty.
    void setObjective(const char* text, bool show);

  protected:
    const MissionKit& kit() const { return kit_; }

  private:
    MissionKit kit_;
    MissionType type_;
    Vector3 position_;
    MissionStatus status_;
    // Room for a raid's gang or a camp's guards: spawning them allocates nothing.
    InlineVector<Entity, 16> entities_;
    std::vector<PropSet> propSets_;
    char objective_[kObjectiveSize] = {};
    Hash revealHud_;
};

} // namespace corvale
