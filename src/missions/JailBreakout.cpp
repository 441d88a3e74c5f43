// How the player opens the jail (a door blown, the deputy's keys looted or picked from his
// pocket), the hints on the way in, and the lawmen who see the escape.
#include "core/events/EventInbox.h"
#include "core/log/Log.h"
#include "core/natives/AiEvents.h"
#include "core/natives/Developer.h"
#include "core/natives/Distance.h"
#include "core/natives/Doors.h"
#include "core/natives/Entity.h"
#include "core/natives/Law.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "core/natives/Senses.h"
#include "core/natives/Tasks.h"
#include "core/natives/Weapons.h"
#include "missions/CookRescueMission.h"
#include "missions/JailPlaces.h"

namespace corvale {

namespace {
constexpr float kBlastReach = 3.0f;
constexpr float kBackDoorHintRange = 4.0f;
constexpr int32_t kBackDoorHintAfterMs = 4000;
constexpr int32_t kLawCheckEveryMs = 500;
constexpr int32_t kJailBreakBounty = 1000;
constexpr int32_t kCombatThreatResponse = 16;
} // namespace

void CookRescueMission::showBreakoutHints() {
    const Ped player = PlayerPed();
    if (Distance(player, jail::kBackDoor) > kBackDoorHintRange) {
        SetScriptTimerB(0);
    } else if (ScriptTimerB() > kBackDoorHintAfterMs) {
        showHintOnce("hints.back_door", "missions.cook_rescue.hints.back_door");
    }
    if (prisonGuard_ != 0 && TargetedEntity(PlayerIndex()) == prisonGuard_)
        showHintOnce("hints.guard_keys", "missions.cook_rescue.hints.guard_keys");
}

CookRescueMission::Breakout CookRescueMission::detectBreakout() {
    const Breakout found = detectBlastOrLoot();
    if (found != Breakout::None) return found;
    if (prisonGuard_ == 0 || !EntityExists(prisonGuard_) || IsEntityDead(prisonGuard_))
        return Breakout::None;
    Breakout picked = Breakout::None;
    events::ForEachKeptEvent(breakoutEvents_, [&](const events::ScriptEvent& event) {
        if (picked != Breakout::None) return;
        if (static_cast<Hash>(event.id()) != pickPocketEvent_) return;
        if (event.word(1) != prisonGuard_) return;
        Log("CookRescueMission: player pick pocketed the jail guard");
        picked = Breakout::PickpocketedKeys;
    });
    return picked;
}

// The game's own events of this frame: a dynamite blast at a door, or the deputy looted by
// the player.
CookRescueMission::Breakout CookRescueMission::detectBlastOrLoot() {
    const int32_t count = AiEventCount();
    for (int32_t i = 0; i < count; ++i) {
        const Hash type = AiEventTypeAt(i);
        if (type == explosionEvent_) {
            uint64_t slots[6] = {};
            if (!ReadAiEventData(i, slots, 6)) continue;
            const Hash weapon = static_cast<Hash>(slots[2]);
            if (weapon != weapons::kThrownExplosive && weapon != weapons::kThrownDynamite)
                continue;
            const Vector3 at{SlotFloat(slots[3]), SlotFloat(slots[4]), SlotFloat(slots[5])};
            if (Distance(at, jail::kBackDoor) <= kBlastReach) {
                Log("CookRescueMission: detected an explosion near the jail's back door");
                return Breakout::BackDoorBlast;
            }
            if (Distance(at, jail::kFrontDoor) <= kBlastReach) {
                Log("CookRescueMission: detected an explosion near the jail's front door");
                return Breakout::FrontDoorBlast;
            }
        } else if (type == lootEvent_) {
            uint64_t slots[3] = {};
            if (!ReadAiEventData(i, slots, 3)) continue;
            const Entity looter = static_cast<Entity>(slots[0]);
            const Entity looted = static_cast<Entity>(slots[1]);
            if (prisonGuard_ != 0 && looted == prisonGuard_ && looter == PlayerPed()) {
                Log("CookRescueMission: player looted jail guard");
                return Breakout::LootedKeys;
            }
        }
    }
    return Breakout::None;
}

void CookRescueMission::openJail() {
    switch (breakout_) {
    case Breakout::BackDoorBlast:
        SetDoorState(doors::kValentineJailBack, doors::kUnlocked);
        break;
    case Breakout::FrontDoorBlast:
        SetDoorState(doors::kValentineJailFront, doors::kUnlocked);
        break;
    case Breakout::LootedKeys:
    case Breakout::PickpocketedKeys:
        SetDoorState(doors::kValentineJailBack, doors::kUnlocked);
        SetDoorState(doors::kValentineJailFront, doors::kUnlocked);
        kit().notifications.showTransaction(true, keysItem_, "inventory_items", keychainIcon_);
        break;
    case Breakout::None:
        return;
    }
    SetDoorState(doors::kValentineJailCell, doors::kUnlocked);
}

// At most every half second: the nearest living lawman who sees the player reports the
// jail break and goes for him.
Ped CookRescueMission::detectLaw() {
    const Ped player = PlayerPed();
    if (playerWanted()) return 0;
    if (prisonGuard_ != 0 && EntityExists(prisonGuard_) && IsPedInCombat(prisonGuard_, player))
        return 0;
    if (ScriptTimerB() < kLawCheckEveryMs) return 0;
    const Ped lawman = NearestPed(player, [player](Ped ped) {
        return !IsEntityDead(ped) && IsLawPed(ped) && CanPedSeeEntity(ped, player, true, false);
    });
    if (lawman == 0) {
        SetScriptTimerB(0);
        return 0;
    }
    ReportCrime(PlayerIndex(), jailBreakCrime_, kJailBreakBounty, 0, true);
    TaskCombatPed(lawman, player, 0, kCombatThreatResponse);
    Log("CookRescueMission: player has been detected by law");
    return lawman;
}

} // namespace corvale
