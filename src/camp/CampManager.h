#pragma once
// The player's hidden camp for the whole game run: where it is, building it when the player
// comes near, moving it for a fee behind a night's sleep, the two camp statistics and their
// decay, the player walking in, the law showing up, raids, the cook's idling, and the script
// events of the camp side. Start-up makes the one manager; the frame loop ticks it after the
// missions manager.
#include "camp/CampGuards.h"
#include "camp/CampInteractionProcessor.h"
#include "camp/CampStat.h"
#include "core/events/EventInbox.h"
#include "core/runtime/Executable.h"
#include "core/timers/GameTimer.h"
#include "missions/SavedCamp.h"
#include "site/CampLocationSelector.h"

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string>

namespace corvale {

class CampFeeReader;
class CampInterface;
class CampLedgerInteractions;
class DebugTools;
class GameData;
class MissionsManager;
class NamedTimers;
class Notifications;
class Tutorials;
struct CampLocation;
struct MissionEffect;
namespace events {
class ScriptEvent;
}

// What the camp manager is handed besides the camp set and the missions manager.
struct CampManagerKit {
    GameData& data;
    Notifications& notifications;
    Tutorials& tutorials;
    const DebugTools& debug;
    NamedTimers& timers;
    const CampFeeReader& fee;
};

class CampManager final : public Executable {
  public:
    // Building waits this long after a failed try before the next.
    static constexpr int32_t kBuildRetryMs = 30000;
    // Limits of the waits of a move.
    static constexpr int32_t kMapPutAwayLimitMs = 10000;
    static constexpr int32_t kNavmeshLimitMs = 15000;
    static constexpr int kLandingTries = 100;

    // Restores the saved camp (its location, statistics and pending herbs); the camp set
    // itself is built by tick when the player comes near.
    CampManager(CampInterface& campSet, MissionsManager& missions, const CampManagerKit& kit);
    ~CampManager() override;

    // Once per frame, after the missions manager.
    void tick() override;
    // Reads this frame's script events; a move or the map asked for is done after the read.
    void processEvents();
    // Builds the camp set at the current location unless it stands.
    void createCamp();
    // Makes location the current one and saves it, tearing down a camp that stands.
    void setLocation(const CampLocation* location);
    // The player-facing move (from "CORVALE_CAMP_LOCATION_CHANGED"): fee, sleep, new camp,
    // the player brought there, statistics reset.
    void changeLocation(int32_t id, bool free, bool transition);
    // Sends the idle cook to another spot of the camp now and then.
    void rotateCookScenario();

    CampStat& influence() { return influence_; }
    CampStat& lawAwareness() { return lawAwareness_; }
    CampGuards& guards() { return *guards_; }
    CampLocationSelector& selector() { return selector_; }

  private:
    // What a read of the event queue asks for, done once the read is over.
    struct Requests {
        bool openSelector = false;
        bool closeSelector = false;
        bool move = false;
        int32_t moveId = 0;
        bool moveFree = false;
    };

    void restoreSavedCamp();
    void restorePendingHerbs();
    void decay();
    void tickBuiltCamp();
    void tickInteractions();
    void stopInteractions();
    void lawNearCamp();
    void leaveCampCircle();
    void enterCamp();
    void startScheduledRaid();
    bool cookRescueRunning() const;
    void closeSelectorAfterRescue();
    void buildWhenNear();
    void buildCamp();
    void clearLeftovers();
    void showStillBlip();

    // Events (CampEvents.cpp)
    void onEvent(const events::ScriptEvent& event, Requests& requests);
    void onStatEvent(const events::ScriptEvent& event);
    void onMissionFinished(int32_t type, int32_t status);
    void applyEffect(CampStat& stat, const MissionEffect& effect);
    void onFlavourSet(const events::ScriptEvent& event);
    void onHerbsPutIn();
    void onPlayerEnterCamp();
    void onLogOnlyEvent(const events::ScriptEvent& event);
    void carryOut(const Requests& requests);
    void saveStat(const char* key, int32_t hundredths);
    void saveHerbs();
    // The batch the herbs were chosen for was sold or lost: they wait no longer.
    void dropPendingHerbs();
    float setting(const char* key, float fallback) const;
    int64_t decayPeriodMs() const;

    // The move (CampMove.cpp)
    bool chargeFee(bool free);
    void refuseMove();
    void waitForMapPutAway();
    void waitForNavmesh(const Vector3& at);
    Vector3 findLanding(const Vector3& at);
    void bringPlayer(const Vector3& point);
    void announceMove(const CampLocation& location);

    CampInterface& campSet_;
    GameData& data_;
    Notifications& notifications_;
    Tutorials& tutorials_;
    const DebugTools& debug_;
    NamedTimers& timers_;
    const CampFeeReader& fee_;
    MissionsManager& missions_;
    SavedCamp saved_;
    CampFrame frame_;
    events::EventCursor events_;
    CampLocationSelector selector_;
    CampLedgerInteractions* ledger_ = nullptr;
    std::array<std::unique_ptr<CampInteractionProcessor>, 3> interactions_;
    std::unique_ptr<CampGuards> guards_;
    CampStat lawAwareness_;
    CampStat influence_;
    GameTimer& raidTimer_;
    int32_t lastDegradation_ = 0;
    bool interactionsTicked_ = false;
    bool selectorForRescue_ = false; // the map open now was opened during the cook rescue
    bool buildFailed_ = false;
    int32_t buildFailedAt_ = 0;
    mutable std::set<std::string, std::less<>> warnedSettings_;
    mutable bool warnedPeriod_ = false;
};

} // namespace corvale
