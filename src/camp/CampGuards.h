#pragma once
// The armed men who live around the camp: created with the camp, one of them walking the
// patrol at a time, the others wandering between scenario spots near their post, all of them
// going after the player's enemies when the player is in a fight. Dead guards are cleared and
// not replaced until the camp is built again.
#include "ai/AsyncPedTask.h"
#include "core/natives/Groups.h"
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"
#include "core/timers/GameTimer.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace corvale {

class CampInterface;
class DebugTools;
class GameData;

// One guard.
struct CampGuard {
    CampGuard(Ped guardPed, const Vector3& camp) : ped(guardPed), post(camp) {}

    Ped ped;
    Vector3 post;                       // the camp position when he was created
    std::unique_ptr<AsyncPedTask> task; // only the guard on duty has one
    GameTimer timer;                    // restarted after every decision
};

class CampGuards final {
  public:
    // The guards' prompt name and the developer switch are read from data; with the debug
    // tools on, dead guards are deleted instead of left to the game.
    CampGuards(CampInterface& campSet, const GameData& data, const DebugTools& debug);
    CampGuards(const CampGuards&) = delete;
    CampGuards& operator=(const CampGuards&) = delete;

    // Only while the camp is built: spawns count guards around it (model 0: the rough
    // travellers' model).
    void create(int count, Hash model);
    // Deletes every guard; the group stays for the next ones.
    void clear();
    // Every frame while the player is near the camp.
    void tick();

    // For tests and scenarios.
    std::size_t count() const { return guards_.size(); }
    // 0 when nobody holds the duty.
    Ped dutyPed() const { return dutyGuard_ ? dutyGuard_->ped : 0; }
    PedGroup group() const { return group_; }

  private:
    bool createGuard(Hash model);
    void joinGroup(Ped ped);
    void assignDuty(int32_t fight);
    void updateGuard(CampGuard& guard, int32_t fight);
    void tickTask(CampGuard& guard);
    void rotateScenario(CampGuard& guard);
    void engageEnemy(CampGuard& guard);
    void removeDead(std::size_t index);
    bool devToolsSwitch() const;

    CampInterface& campSet_;
    const GameData& data_;
    const DebugTools& debug_;
    std::vector<std::unique_ptr<CampGuard>> guards_;
    PedGroup group_ = kNoPedGroup;
    CampGuard* dutyGuard_ = nullptr;
};

} // namespace corvale
