#include "camp/CampSession.h"

#include "camp/CampPlaces.h"
#include "core/data/DataFiles.h"

#include "ui/BridgeHooks.h"
#include "ui/Notifications.h"
#include "ui/ScreenText.h"

namespace corvale {

// The world objects join here as they are built, each in its own step: the camp
// complexes, the camp set, the missions manager (given the camp set) and the camp
// manager (given both), in that order.
void CampSession::createWorld() {
    whistle_ = std::make_unique<WhistleDetector>();
    missions_ = std::make_unique<MissionsManager>(
        *SavegameFile(), *LangFile(), timers().timerFor("missions_manager.cook_cooldown"), IsCampPlace);
}

void CampSession::runWhistleDetector() {
    if (whistle_) whistle_->update();
}

void CampSession::flushPendingTexts() {
    FlushPendingTexts();
}

void CampSession::tickMissions() {
    if (missions_) missions_->tick();
}

// Seam: the camp manager ticks here once it exists.
void CampSession::tickCampManager() {}

void CampSession::showMessage(const char* text) {
    ShowMessage(text);
}

void CampSession::drawDebugText(const char* text) {
    DrawDebugText(text);
}

void CampSession::toggleDebugMission() {
    if (!missions_) return;
    if (missions_->hasMission()) {
        missions_->abortMission();
        return;
    }
    missions_->startMission(MissionType::Sabotage, SavegameFile()->getInt("operation.location", 0));
}

void InstallCampSession() {
    InstallBridgeHooks();
    InstallSession(new CampSession());
}

} // namespace corvale
