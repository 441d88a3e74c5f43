#pragma once
// The camp set at its place: built when the player comes near (again 30 s after a failed
// try), and taken down in one way, whether the camp moves or the game dropped its props.
#include "camp/CampSetStreaming.h"

#include <cstdint>

namespace corvale {

class CampGuards;
class CampInteractions;
class CampInterface;
class CampStatistics;
class CampVisit;
class GameData;
class NamedTimers;
class PendingHerbs;
struct CampLocation;

class CampBuilder final {
  public:
    // Building waits this long after a failed try before the next.
    static constexpr int32_t kRetryMs = 30000;

    CampBuilder(CampInterface& campSet, CampGuards& guards, CampInteractions& interactions,
                CampVisit& visit, CampStatistics& stats, PendingHerbs& herbs, GameData& data,
                NamedTimers& timers);
    CampBuilder(const CampBuilder&) = delete;
    CampBuilder& operator=(const CampBuilder&) = delete;

    // The camp is not built: once the player is within 300 m its prop sets and models are
    // asked for and waited for over frames, then it is built.
    void buildWhenNear();
    // Builds the camp set at the current location unless it stands.
    void createCamp();
    // Makes location the current one and saves it, tearing down a camp that stands.
    void setLocation(const CampLocation* location);

  private:
    void build();
    // What is left of a camp whose prop group the game dropped goes before it is built again.
    void clearLeftovers();
    // The cook's idle timer, the camp set and the guards.
    void tearDown();

    CampInterface& campSet_;
    CampGuards& guards_;
    CampInteractions& interactions_;
    CampVisit& visit_;
    CampStatistics& stats_;
    PendingHerbs& herbs_;
    GameData& data_;
    NamedTimers& timers_;
    CampSetStreaming streaming_;
    bool streamingAsked_ = false;
    bool buildFailed_ = false;
    int32_t buildFailedAt_ = 0;
};

} // namespace corvale
