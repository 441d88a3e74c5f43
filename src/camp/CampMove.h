#pragma once
// Moving the camp (from "CORVALE_CAMP_LOCATION_CHANGED"): the fee, a night's sleep, the new
// camp built during it, the player brought there on his horse or on foot, and the
// statistics started over. The move runs over frames: each frame takes the steps whose wait
// is over and returns, so no frame of the camp waits inside it.
#include "camp/CampSetStreaming.h"
#include "core/natives/Vector3.h"
#include "core/timers/StepChain.h"

#include <cstdint>

namespace corvale {

class CampBuilder;
class CampFeeReader;
class CampInteractions;
class CampInterface;
class CampLocationSelector;
class CampStatistics;
class DebugTools;
class GameData;
class MissionsManager;
class Notifications;
struct CampLocation;

// What a move is done with.
struct CampMoveKit {
    CampInterface& campSet;
    CampBuilder& builder;
    CampInteractions& interactions;
    CampLocationSelector& selector;
    MissionsManager& missions;
    CampStatistics& stats;
    GameData& data;
    Notifications& notifications;
    const DebugTools& debug;
    const CampFeeReader& fee;
};

class CampMove final {
  public:
    // Limits of the waits of a move.
    static constexpr int32_t kMapPutAwayLimitMs = 10000;
    static constexpr int32_t kNavmeshLimitMs = 15000;
    static constexpr int kLandingTries = 100;

    explicit CampMove(const CampMoveKit& kit) : kit_(kit) {}
    CampMove(const CampMove&) = delete;
    CampMove& operator=(const CampMove&) = delete;

    // To the place id, unless free for the fee; without transition the camp is only set
    // there. A move with a transition is under way once this returns; its first steps are
    // taken now.
    void changeLocation(int32_t id, bool free, bool transition);
    bool underWay() const { return steps_.underWay(); }
    // Once a frame while under way: the steps whose wait is over. True when the move ended.
    bool advance();

  private:
    enum class Step {
        None,
        MapPutAway,
        Darken,
        SkyRuns,
        SetLocation,
        Navmesh,
        Streaming,
        Build,
        Landing,
        Dawn,
        Wake,
    };

    // The cash is asked now: the ledger only checked it before the map opened.
    bool chargeFee(bool free);
    void refuseMove();
    // The step's work; first on the first frame it runs. It names what comes next.
    void take(Step step, bool first);
    void waitForMapPutAway();
    void waitForNavmesh();
    void findLanding(bool first);
    // On a living horse the player rides along; without one he is moved himself.
    void bringPlayer(const Vector3& point);
    void finish();
    void announceMove(const CampLocation& location);

    CampMoveKit kit_;
    CampSetStreaming streaming_;
    const CampLocation* location_ = nullptr;
    StepChain<Step> steps_;
    int32_t stepStart_ = 0; // when the current step first ran: its wait's limit counts from it
    bool logged_ = false;   // the current step's wait has said so in the log
    int tries_ = 0;
    int32_t sleepHour_ = 0;
    Vector3 landing_;
};

} // namespace corvale
