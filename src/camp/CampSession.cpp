#include "camp/CampSession.h"

#include "core/draw/ScreenDraw.h"
#include "core/events/EventInbox.h"
#include "core/runtime/ScriptMain.h"
#include "missions/CampRaidProcessor.h"
#include "missions/CookRescueMission.h"
#include "missions/SabotageMissionProcessor.h"
#include "site/CampLocation.h"

#include <memory>

namespace corvale {

CampSession::CampSession()
    : Session(static_cast<void (*)(const char*)>(DrawDebugText)),
      tutorials_(data(), notifications_, debugTools()) {}

// The world objects in their fixed order: the rival camp complexes, the camp set, the
// missions manager and the camp manager, which shares the camp set with the missions.
void CampSession::createWorld() {
    complexes_.fill();
    whistle_ = std::make_unique<WhistleDetector>();
    guardSenses_ = std::make_unique<GuardSenses>(
        GuardSenses{*data().aiFile(), *whistle_, throwSampler(), data().settings()});
    fee_ = std::make_unique<CampFeeReader>(data().generalMetaFile());
    campSet_ = std::make_unique<CampInterface>(data());
    missions_ = std::make_unique<MissionsManager>(
        *data().savegameFile(), *data().langFile(), MissionKit{notifications_, debugTools()},
        timers().timerFor("missions_manager.cook_cooldown"), IsCampPlace);
    missions_->registerType(MissionType::CookRescue, [this](int32_t, const MissionKit& kit) {
        return std::make_unique<CookRescueMission>(kit, data(), tutorials_);
    });
    // A raid is placed at the camp the camp set stands for.
    missions_->registerType(MissionType::CampRaid,
                            CampRaidBuilder(
                                [this] {
                                    const CampLocation* camp = campSet_->location();
                                    return camp ? camp->position : Vector3();
                                },
                                tutorials_),
                            CampRaidOutcome());
    missions_->registerType(MissionType::Sabotage,
                            SabotageBuilder(complexes_, data().settings(),
                                            InfiltrationKit{data(), notifications_, tutorials_,
                                                            debugTools(), timers(), *guardSenses_}),
                            SabotageOutcome());
    manager_ = std::make_unique<CampManager>(
        *campSet_, *missions_,
        CampManagerKit{data(), notifications_, tutorials_, debugTools(), timers(), *fee_});
}

// Missions tick before the camp manager, which hears in the same frame how one ended.
void CampSession::runFrame() {
    if (!manager_) return; // no world without a finished start-up
    // While the player sleeps through a move, nothing of the old camp or a mission runs.
    if (manager_->moving()) return manager_->continueMove();
    whistle_->update();
    flushPendingTexts();
    missions_->tick();
    manager_->tick();
}

void CampSession::flushPendingTexts() {
    notifications_.flushPendingTexts();
}

void CampSession::showMessage(const char* text) {
    notifications_.showMessage(text);
}

void CampSession::drawDebugText(const char* text) {
    DrawDebugText(text);
}

void CampSession::runDebugAction() {
    if (!missions_ || (manager_ && manager_->moving())) return;
    if (missions_->hasMission()) {
        missions_->abortMission();
        return;
    }
    // At the camp the camp set stands for; a word in the save cannot stop the key.
    const CampLocation* camp = campSet_ ? campSet_->location() : nullptr;
    missions_->startMission(MissionType::Sabotage, camp ? camp->missionId : 0);
}

void CampMain() {
    // No frame of a wait inside the camp's logic may cost an event.
    events::KeepEventsWhileWaiting(events::Reader::Camp);
    // Made once here, at the top of the script the host never returns from.
    const auto session = std::make_unique<CampSession>();
    ScriptMain(*session);
}

} // namespace corvale
