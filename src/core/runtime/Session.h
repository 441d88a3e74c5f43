#pragma once
// The camp plug-in's world as the frame loop drives it. The runtime knows only this
// interface; the camp operation implements it and installs it at attach, so the loop's
// order of work lives here while its steps live in the subsystems that own them.
#include "core/runtime/ThrowImpactSampler.h"
#include "core/timers/NamedTimers.h"

namespace corvale {

class Session {
  public:
    virtual ~Session() = default;

    // The runtime's own process-wide objects, made with the session.
    NamedTimers& timers() { return timers_; }
    ThrowImpactSampler& throwSampler() { return throwSampler_; }

    // Start-up: create the world objects in their fixed order.
    virtual void createWorld() = 0;
    // Guarded per-frame work, in the loop's order.
    virtual void runWhistleDetector() = 0;
    virtual void flushPendingTexts() = 0;
    virtual void tickMissions() = 0;
    virtual void tickCampManager() = 0;
    // Screen output the runtime itself needs.
    virtual void showMessage(const char* text) = 0;
    virtual void drawDebugText(const char* text) = 0;
    // Debug tools, F3: abort the current mission, or start a sabotage at the camp.
    virtual void toggleDebugMission() = 0;

  private:
    NamedTimers timers_;
    ThrowImpactSampler throwSampler_;
};

// The host starts the script entry without arguments: the plug-in's attach installs the one
// session it made, and the entry takes it from here.
void InstallSession(Session* session);
Session* CurrentSession();

} // namespace corvale
