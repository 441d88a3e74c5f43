#include "camp/CampSession.h"

#include "core/runtime/ScriptMain.h"
#include "ui/ScreenText.h"

#include <memory>

namespace corvale {

CampSession::CampSession()
    : Session(static_cast<void (*)(const char*)>(DrawDebugText)),
      tutorials_(data(), notifications_, debugTools()) {}

// The world objects join here as they are built, each in its own step: the camp
// complexes, the camp set, the missions manager (given the camp set) and the camp
// manager (given both), in that order.
void CampSession::createWorld() {}

// Seam: the whistle detector ticks here once it exists.
void CampSession::runWhistleDetector() {}

void CampSession::flushPendingTexts() {
    notifications_.flushPendingTexts();
}

// Seam: the missions manager ticks here once it exists.
void CampSession::tickMissions() {}

// Seam: the camp manager ticks here once it exists.
void CampSession::tickCampManager() {}

void CampSession::showMessage(const char* text) {
    notifications_.showMessage(text);
}

void CampSession::drawDebugText(const char* text) {
    DrawDebugText(text);
}

// Seam: F3 aborts the current mission or starts a sabotage once missions exist.
void CampSession::toggleDebugMission() {}

void CampMain() {
    // Made once here, at the top of the script the host never returns from.
    const auto session = std::make_unique<CampSession>();
    ScriptMain(*session);
}

} // namespace corvale
