#pragma once
// The player's hidden camp for the whole game run: restores it from the save, and each frame
// reads the camp side's script events, lets the statistics fade, builds the camp when the
// player comes near and, while he is there, runs the interactions, the guards, the cook's
// idling and the visit. Start-up makes the one manager; the frame loop ticks it after the
// missions manager.
#include "camp/CampBuilder.h"
#include "camp/CampEvents.h"
#include "camp/CampGuards.h"
#include "camp/CampInteractions.h"
#include "camp/CampMove.h"
#include "camp/CampStatistics.h"
#include "camp/CampTuning.h"
#include "camp/CampVisit.h"
#include "camp/PendingHerbs.h"
#include "core/runtime/Executable.h"
#include "missions/SavedCamp.h"
#include "site/CampLocationSelector.h"

namespace corvale {

class CampFeeReader;
class CampInterface;
class DebugTools;
class GameData;
class MissionsManager;
class NamedTimers;
class Notifications;
class Tutorials;

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
    // Restores the saved camp (its location, statistics and pending herbs); the camp set
    // itself is built by tick when the player comes near.
    CampManager(CampInterface& campSet, MissionsManager& missions, const CampManagerKit& kit);
    ~CampManager() override;

    // Once per frame, after the missions manager, unless a move is under way.
    void tick() override;
    // A move of the camp runs over frames and holds the rest of the camp's frame meanwhile:
    // each frame of it comes here instead of the missions and tick. The events kept during
    // it are read after it.
    bool moving() const { return move_.underWay(); }
    void continueMove();

  private:
    void restoreSavedCamp();
    // A move or the map asked for by this frame's events is done after the read.
    void processEvents();
    // What a frame does after this frame's events, once no move is under way.
    void tickCamp();
    void tickBuiltCamp();
    bool cookRescueRunning() const;
    void closeSelectorAfterRescue();

    CampInterface& campSet_;
    MissionsManager& missions_;
    GameData& data_;
    NamedTimers& timers_;
    SavedCamp saved_;
    CampFrame frame_;
    CampLocationSelector selector_;
    CampInteractions interactions_;
    CampGuards guards_;
    CampTuning tuning_;
    CampStatistics stats_;
    PendingHerbs herbs_;
    CampVisit visit_;
    CampBuilder builder_;
    CampMove move_;
    CampEvents events_;
    bool selectorForRescue_ = false; // the map open now was opened during the cook rescue
};

} // namespace corvale
