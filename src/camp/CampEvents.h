#pragma once
// The camp side's script events: the still menu, the herbs, the map, the statistics, the
// missions and deliveries, and the player walking into camp. What waits (the map, a move)
// is handed back as requests, done once the read is over.
#include "core/events/EventInbox.h"

#include <cstdint>

namespace corvale {

class CampInterface;
class CampLocationSelector;
class CampStatistics;
class CampTuning;
class CampVisit;
class GameData;
class MissionsManager;
class PendingHerbs;

// What the camp's events are applied to.
struct CampEventsKit {
    CampInterface& campSet;
    CampLocationSelector& selector;
    CampStatistics& stats;
    const CampTuning& tuning;
    PendingHerbs& herbs;
    CampVisit& visit;
    const MissionsManager& missions;
    GameData& data;
};

class CampEvents final {
  public:
    // What a read of the event queue asks for.
    struct Requests {
        bool openSelector = false;
        bool move = false;
        int32_t moveId = 0;
        bool moveFree = false;
    };

    explicit CampEvents(const CampEventsKit& kit) : kit_(kit) {}
    CampEvents(const CampEvents&) = delete;
    CampEvents& operator=(const CampEvents&) = delete;

    // The events kept since the last read, in one go; those kept meanwhile wait for the next.
    Requests read();
    // A move was under way while the events before end were kept: a location change among
    // them is dropped with a log line, not made a second move.
    void refuseMovesKeptUntil(uint64_t end) { movedUntil_ = end; }

  private:
    void onEvent(const events::ScriptEvent& event, bool duringMove, Requests& requests);
    void onStatEvent(const events::ScriptEvent& event);
    void onMissionFinished(int32_t type, int32_t status);
    void onLogOnlyEvent(const events::ScriptEvent& event);
    void onDelivery(bool finished);

    CampEventsKit kit_;
    events::EventCursor cursor_;
    uint64_t movedUntil_ = 0;
};

} // namespace corvale
