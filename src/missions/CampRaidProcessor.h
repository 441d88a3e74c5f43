#pragma once
// A gang raids the player's camp in rounds: it waits for the player to come near, brings
// raiders around the camp and later around the player, sends them at him, and passes when
// every raider is down with none left to come, or fails when he runs from the camp.
#include "core/natives/Blips.h"
#include "core/natives/Groups.h"
#include "core/natives/Models.h"
#include "core/runtime/InlineVector.h"
#include "core/timers/GameTimer.h"
#include "missions/BaseMissionProcessor.h"
#include "missions/MissionsManager.h"

#include <cstddef>
#include <functional>

namespace corvale {

class Tutorials;

// What the missions manager hands a new raid.
struct RaidSetup {
    Vector3 camp;    // zero when the camp has no location
    int32_t raiders; // 9 to 12
    Hash raiderModel;
};

class CampRaidProcessor final : public BaseMissionProcessor {
  public:
    enum class State : int32_t {
        Finished = -1,
        Waiting = 0,
        Spawning = 1,
        Fighting = 2,
        Defended = 3
    };

    CampRaidProcessor(const RaidSetup& setup, const MissionKit& kit, Tutorials& tutorials);

    // Releases (or deletes) the raiders, takes their blips off the map and gives the gang's
    // group back.
    void cleanup() override;
    void update() override;
    // Brings up to count raiders around a safe spot near centre and sends everyone of the
    // round at the player; how many came.
    int32_t spawnRound(const Vector3& centre, int32_t count);

    // Raiders came: the fight began and a move no longer calls the raid off.
    bool hasEngaged() const override { return remaining_ < setup_.raiders; }
    // Nobody could be brought in for kNobodyCameMs of game time since the raid began.
    bool gaveUp() const override { return gaveUp_; }
    static constexpr int32_t kNobodyCameMs = 60000;

    State state() const { return state_; }
    int32_t round() const { return round_; }
    int32_t remaining() const { return remaining_; }
    // Raiders of the round still up, as of the last update.
    size_t raidersUp() const { return raiders_.size(); }

    // One raid at a time: it is built in room kept for it, so starting one allocates
    // nothing (a second one at once, as a test may make, comes from the heap).
    static void* operator new(std::size_t size);
    static void operator delete(void* raid);

  private:
    struct Raider {
        Ped ped;
        Blip blip;
    };

    void waitForPlayer();
    void spawnNextRound();
    void fight();
    void defended();

    void drawRound();
    bool playerFledCamp() const;
    bool navmeshReady();
    void joinGang(Ped ped);
    void dropDownRaiders();

    RaidSetup setup_;
    InlineVector<Raider, 16> raiders_; // a gang is 9 to 12
    int32_t remaining_;
    State state_ = State::Waiting;
    int32_t round_ = 0;
    PedGroup group_ = kNoPedGroup;
    GameTimer roundTimer_;
    Tutorials& tutorials_;

    // The round being brought in: drawn once, kept while the navigation mesh loads there.
    bool roundDrawn_ = false;
    int32_t roundCount_ = 0;
    Vector3 roundPoint_;
    GameTimer navmeshWait_;
    bool retrying_ = false; // the last try of this round spawned nobody
    GameTimer sinceBegun_;  // from the player's arrival, while nobody has come
    bool gaveUp_ = false;
    bool navmeshLogged_ = false; // the wait for this round's mesh is in the log
    ModelWait raiderModel_;
};

// The raider count drawn 9 to 12 and the gang's model, at the camp's position.
RaidSetup DrawRaidSetup(const Vector3& camp);
// The builder the camp's start-up registers for CampRaid: campPosition tells where the camp
// stands when the raid starts.
MissionsManager::Builder CampRaidBuilder(std::function<Vector3()> campPosition,
                                         Tutorials& tutorials);
// Registered with it: a raid fought off adds to influence, a lost one takes more.
MissionOutcome CampRaidOutcome();

} // namespace corvale
