#pragma once
// Moving the camp (from "CORVALE_CAMP_LOCATION_CHANGED"): the fee, a night's sleep, the new
// camp built during it, the player brought there on his horse or on foot, and the
// statistics started over. It holds the frame loop for the whole move.
#include "core/natives/Vector3.h"

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
    // there.
    void changeLocation(int32_t id, bool free, bool transition);

  private:
    // The cash is asked now: the ledger only checked it before the map opened.
    bool chargeFee(bool free);
    void refuseMove();
    void sleepOver(const CampLocation& location);
    void waitForMapPutAway();
    void waitForNavmesh(const Vector3& at);
    Vector3 findLanding(const Vector3& at);
    // On a living horse the player rides along; without one he is moved himself.
    void bringPlayer(const Vector3& point);
    void announceMove(const CampLocation& location);

    CampMoveKit kit_;
};

} // namespace corvale
