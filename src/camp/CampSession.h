#pragma once
// The camp plug-in's world as its frame loop drives it.
#include "ai/WhistleDetector.h"
#include "core/runtime/Session.h"
#include "missions/MissionsManager.h"

#include <memory>

namespace corvale {

class CampSession final : public Session {
  public:
    void createWorld() override;
    void runWhistleDetector() override;
    void flushPendingTexts() override;
    void tickMissions() override;
    void tickCampManager() override;
    void showMessage(const char* text) override;
    void drawDebugText(const char* text) override;
    void toggleDebugMission() override;

    // Null until createWorld.
    WhistleDetector* whistleDetector() const { return whistle_.get(); }
    MissionsManager* missions() const { return missions_.get(); }

  private:
    std::unique_ptr<WhistleDetector> whistle_;
    std::unique_ptr<MissionsManager> missions_;
};

// Makes the camp plug-in's one session (it lives as long as the game) and installs it, with
// the interface kit's hooks into the bridge; called once at attach, before the script runs.
void InstallCampSession();

} // namespace corvale
