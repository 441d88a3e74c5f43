#include "camp/CampManager.h"

#include "camp/CookIdling.h"
#include "core/data/GameData.h"
#include "core/events/EventInbox.h"
#include "core/log/Log.h"
#include "core/natives/Distance.h"
#include "core/natives/Player.h"
#include "missions/MissionsManager.h"
#include "site/CampInterface.h"
#include "site/CampLocation.h"

#include <string>

namespace corvale {

namespace {
constexpr int32_t kNoCamp = -1;
constexpr float kCampRadius = 20.0f;
constexpr float kInteractionRange = 120.0f;
} // namespace

CampManager::CampManager(CampInterface& campSet, MissionsManager& missions,
                         const CampManagerKit& kit)
    : campSet_(campSet), missions_(missions), data_(kit.data), timers_(kit.timers),
      saved_(*kit.data.savegameFile(), IsCampPlace, "CampManager: "),
      selector_(campSet, kit.data, kit.fee),
      interactions_(campSet, frame_, missions, selector_, kit.data, kit.notifications, kit.fee,
                    kit.debug),
      guards_(campSet, kit.data, kit.debug), tuning_(kit.data), stats_(tuning_),
      herbs_(campSet, kit.data, kit.debug, kit.notifications),
      visit_(campSet, missions, stats_, tuning_, kit.tutorials, kit.timers),
      builder_(campSet, guards_, interactions_, visit_, stats_, herbs_, kit.data, kit.timers),
      move_(CampMoveKit{campSet, builder_, interactions_, selector_, missions, stats_, kit.data,
                        kit.notifications, kit.debug, kit.fee}),
      events_(
          CampEventsKit{campSet, selector_, stats_, tuning_, herbs_, visit_, missions, kit.data}) {
    restoreSavedCamp();
}

CampManager::~CampManager() = default;

// A damaged save gives defaults with a log line; the camp set is built later, when the
// player comes near.
void CampManager::restoreSavedCamp() {
    const int32_t id = saved_.locationId();
    // 0 is how an older save says "no camp".
    if (id == kNoCamp || id == 0) return;
    Log("CampManager: camp location loaded: " + std::to_string(id));
    campSet_.setLocation(FindCampLocation(id));
    const float influence = saved_.readFloat("operation.stats.influence", 0.0f);
    const float lawAwareness = saved_.readFloat("operation.stats.law_awareness", 0.25f);
    stats_.restore(influence, lawAwareness);
    herbs_.restore(saved_);
}

void CampManager::tick() {
    processEvents();
    if (move_.underWay()) return;
    tickCamp();
}

// The frame that ends the move goes on as the frame that began it would have.
void CampManager::continueMove() {
    if (!move_.advance()) return;
    events_.refuseMovesKeptUntil(events::KeptEventsEnd());
    tickCamp();
}

void CampManager::tickCamp() {
    closeSelectorAfterRescue();
    selector_.tick();
    if (!campSet_.location()) return interactions_.stop();
    stats_.decay();
    frame_.built = campSet_.isBuilt();
    if (frame_.built) return tickBuiltCamp();
    interactions_.stop();
    builder_.buildWhenNear();
}

void CampManager::processEvents() {
    const CampEvents::Requests requests = events_.read();
    if (requests.move) return move_.changeLocation(requests.moveId, requests.moveFree, true);
    if (!requests.openSelector) return;
    selectorForRescue_ = cookRescueRunning();
    selector_.open();
}

bool CampManager::cookRescueRunning() const {
    const BaseMissionProcessor* mission = missions_.mission();
    return mission && mission->getType() == MissionType::CookRescue && mission->isActive();
}

// The map Clint's prompt opened belongs to his rescue: with him dead or the mission gone, a
// pick would take the fee and build a camp the rescue never pays for.
void CampManager::closeSelectorAfterRescue() {
    if (!selectorForRescue_ || cookRescueRunning()) return;
    selectorForRescue_ = false;
    if (!selector_.isOpen()) return;
    Log("CampManager: the cook rescue is over, putting the map away");
    selector_.close();
}

void CampManager::tickBuiltCamp() {
    const float distance = Distance(PlayerPosition(), campSet_.location()->position);
    // However the player left (walking, a fast travel, a move), the visit and its raid end.
    if (!(distance < kCampRadius)) visit_.outOfCircle();
    if (!(distance < kInteractionRange)) return interactions_.stop();
    interactions_.tick();
    guards_.tick();
    RotateCookScenario(campSet_, timers_, data_);
    visit_.watchForLaw();
    if (!(distance < kCampRadius)) return;
    visit_.inCircle();
}

} // namespace corvale
