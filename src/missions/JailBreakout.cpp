#include "missions/JailBreakout.h"

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
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "core/natives/Weapons.h"
#include "missions/JailPlaces.h"
#include "ui/Notifications.h"

namespace corvale {

namespace {
constexpr float kBlastReach = 3.0f;
constexpr int32_t kLawCheckEveryMs = 500;
constexpr int32_t kJailBreakBounty = 1000;
constexpr int32_t kCombatThreatResponse = 16;
} // namespace

JailBreakout::JailBreakout(Notifications& notifications)
    : notifications_(notifications), explosionEvent_(HashString("EVENT_ENTITY_EXPLOSION")),
      lootEvent_(HashString("EVENT_LOOT_COMPLETE")),
      pickPocketEvent_(HashString("PICK_POCKET_RESULT")),
      keysItem_(HashString("CORVALE_PRISON_KEYS")),
      keychainIcon_(HashString("folder_kit_keychain")),
      jailBreakCrime_(HashString("CRIME_JAIL_BREAK")) {}

JailBreakout::Way JailBreakout::detect(Ped guard) {
    const Way found = detectBlastOrLoot(guard);
    if (found != Way::None) return found;
    if (guard == 0 || !EntityExists(guard) || IsEntityDead(guard)) return Way::None;
    Way picked = Way::None;
    events::ForEachKeptEvent(pickPocketEvents_, [&](const events::ScriptEvent& event) {
        if (picked != Way::None) return;
        if (static_cast<Hash>(event.id()) != pickPocketEvent_) return;
        if (event.word(1) != guard) return;
        Log("CookRescueMission: player pick pocketed the jail guard");
        picked = Way::PickpocketedKeys;
    });
    return picked;
}

// The game's own events of this frame: a dynamite blast at a door, or the deputy looted by
// the player.
JailBreakout::Way JailBreakout::detectBlastOrLoot(Ped guard) {
    const int32_t count = AiEventCount();
    for (int32_t i = 0; i < count; ++i) {
        const Hash type = AiEventTypeAt(i);
        if (type == explosionEvent_) {
            uint64_t slots[6] = {};
            if (!ReadAiEventData(i, slots, 6)) continue;
            const Hash weapon = static_cast<Hash>(slots[2]);
            if (weapon != weapons::kThrownExplosive && weapon != weapons::kThrownDynamite) continue;
            const Vector3 at{SlotFloat(slots[3]), SlotFloat(slots[4]), SlotFloat(slots[5])};
            if (Distance(at, jail::kBackDoor) <= kBlastReach) {
                Log("CookRescueMission: detected an explosion near the jail's back door");
                return Way::BackDoorBlast;
            }
            if (Distance(at, jail::kFrontDoor) <= kBlastReach) {
                Log("CookRescueMission: detected an explosion near the jail's front door");
                return Way::FrontDoorBlast;
            }
        } else if (type == lootEvent_) {
            uint64_t slots[3] = {};
            if (!ReadAiEventData(i, slots, 3)) continue;
            const Entity looter = static_cast<Entity>(slots[0]);
            const Entity looted = static_cast<Entity>(slots[1]);
            if (guard != 0 && looted == guard && looter == PlayerPed()) {
                Log("CookRescueMission: player looted jail guard");
                return Way::LootedKeys;
            }
        }
    }
    return Way::None;
}

void JailBreakout::open(Way way) {
    switch (way) {
    case Way::BackDoorBlast:
        SetDoorState(doors::kValentineJailBack, doors::kUnlocked);
        break;
    case Way::FrontDoorBlast:
        SetDoorState(doors::kValentineJailFront, doors::kUnlocked);
        break;
    case Way::LootedKeys:
    case Way::PickpocketedKeys:
        SetDoorState(doors::kValentineJailBack, doors::kUnlocked);
        SetDoorState(doors::kValentineJailFront, doors::kUnlocked);
        notifications_.showTransaction(true, keysItem_, "inventory_items", keychainIcon_);
        break;
    case Way::None:
        return;
    }
    SetDoorState(doors::kValentineJailCell, doors::kUnlocked);
}

// At most every half second: the nearest living lawman who sees the player reports the
// jail break and goes for him.
Ped JailBreakout::detectLaw(Ped guard) {
    const Ped player = PlayerPed();
    if (IsLawIncidentActive(PlayerIndex())) return 0;
    if (guard != 0 && EntityExists(guard) && IsPedInCombat(guard, player)) return 0;
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
