#include "camp/CookIdling.h"

#include "core/data/GameData.h"
#include "core/log/Log.h"
#include "core/natives/Combat.h"
#include "core/natives/Entity.h"
#include "core/natives/Ground.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Random.h"
#include "core/natives/Tasks.h"
#include "core/timers/NamedTimers.h"
#include "site/CampInterface.h"
#include "site/CampLocation.h"

#include <exception>

namespace corvale {

namespace {
constexpr int32_t kIdleSeconds = 2;
constexpr float kSearchRadius = 10.0f;

bool DevToolsSwitch(const GameData& data) {
    try {
        return data.settings().getBool("DevTools");
    } catch (const std::exception&) {
        return false;
    }
}
} // namespace

void RotateCookScenario(const CampInterface& campSet, NamedTimers& timers, const GameData& data) {
    const Ped cook = campSet.cook();
    if (cook == 0 || !campSet.location()) return;
    if (IsEntityDead(cook) || IsPedUsingAnyScenario(cook)) return;
    GameTimer& idle = timers.timerFor(static_cast<uint32_t>(cook));
    if (idle.elapsedSeconds() < kIdleSeconds) return;
    if (CountPedsInCombatWith(cook, 0) != 0 || CountPedsInCombatWith(PlayerPed(), 0) != 0) return;
    if (CurrentTargetOf(cook) != 0) return;
    if (DevToolsSwitch(data)) Log("CampManager: rotating cook scenario");
    const float distance = static_cast<float>(RandomInt(5, 15));
    const Vector3 spot = RandomPointAround(campSet.location()->position, distance, false);
    TaskUseNearestScenarioToPoint(cook, spot, kSearchRadius, RandomInt(30000, 80000), false, false,
                                  true, false);
    idle.reset();
}

} // namespace corvale
