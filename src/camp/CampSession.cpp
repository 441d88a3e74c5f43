#include "camp/CampSession.h"

#include "ui/BridgeHooks.h"
#include "ui/Notifications.h"
#include "ui/ScreenText.h"

namespace corvale {

// The world objects join here as they are built, each in its own step: the camp
// complexes, the camp set, the missions manager (given the camp set) and the camp
// manager (given both), in that order.
void CampSession::createWorld() {}

// Seam: the whistle detector ticks here once it exists.
void CampSession::runWhistleDetector() {}

void CampSession::flushPendingTexts() {
    FlushPendingTexts();
}

// Seam: the missions manager ticks here once it exists.
void CampSession::tickMissions() {}

// Seam: the camp manager ticks here once it exists.
void CampSession::tickCampManager() {}

void CampSession::showMessage(const char* text) {
    ShowMessage(text);
}

void CampSession::drawDebugText(const char* text) {
    DrawDebugText(text);
}

// Seam: F3 aborts the current mission or starts a sabotage once missions exist.
void CampSession::toggleDebugMission() {}

void InstallCampSession() {
    InstallBridgeHooks();
    InstallSession(new CampSession());
}

} // namespace corvale
