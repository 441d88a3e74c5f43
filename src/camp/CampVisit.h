#pragma once
// The player's visit of the built camp: walking into its 20 m circle and out again, the raid
// scheduled on the way in and started after 20 s in camp, and the law showing up there.
#include <cstdint>

namespace corvale {

class CampInterface;
class CampStatistics;
class CampTuning;
class GameTimer;
class MissionsManager;
class NamedTimers;
class Tutorials;

class CampVisit final {
  public:
    CampVisit(const CampInterface& campSet, MissionsManager& missions, CampStatistics& stats,
              const CampTuning& tuning, Tutorials& tutorials, NamedTimers& timers);
    CampVisit(const CampVisit&) = delete;
    CampVisit& operator=(const CampVisit&) = delete;

    // Inside the circle: the walk-in is announced once a visit, and a raid due starts.
    void inCircle();
    // Outside it, however the player left: the visit and its raid end.
    void outOfCircle();
    // Within reach of the camp: the law's effect applies once per incident.
    void watchForLaw();
    // "CORVALE_PLAYER_ENTER_CAMP": a raid may be scheduled, by the camp's influence.
    void scheduleRaid();
    // A new place: neither the visit nor a raid of the old one carries over.
    void forget();

  private:
    void startScheduledRaid();

    const CampInterface& campSet_;
    MissionsManager& missions_;
    CampStatistics& stats_;
    const CampTuning& tuning_;
    Tutorials& tutorials_;
    GameTimer& raidTimer_;
    bool playerInCamp_ = false;
    bool raidScheduled_ = false;
    bool lawIncident_ = false;
};

} // namespace corvale
