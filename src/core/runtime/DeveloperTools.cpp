#include "core/runtime/DeveloperTools.h"

#include "core/events/EventChannel.h"
#include "core/events/EventNames.h"
#include "core/input/KeyStateTable.h"
#include "core/log/Log.h"
#include "core/natives/Developer.h"
#include "core/natives/Entity.h"
#include "core/natives/Player.h"
#include "core/natives/Strings.h"
#include "core/natives/Weapons.h"
#include "core/runtime/Session.h"

#include <cstdio>

namespace corvale {

namespace {

constexpr uint32_t kKeyF1 = 112;
constexpr uint32_t kKeyF3 = 114;
constexpr uint32_t kKeyK = 75;
constexpr uint32_t kKeyN = 78;
constexpr uint32_t kKeyX = 88;
constexpr uint32_t kKeyZ = 90;

constexpr int32_t kWholeAreaFlags = 2147483647;
constexpr int32_t kMaxWantedLevelWhenOff = 5;

void DrawLootDecoration(Session& session, int32_t entity) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", DecorationInt(entity, "loot_item_type1"));
    session.drawDebugText(text);
}

void UnarmedInspection(Session& session) {
    const int32_t target = TargetedEntity(PlayerIndex());
    if (target) {
        DrawLootDecoration(session, target);
        if (TakeKeyRelease(kKeyZ)) SetInteractionLockOn(target, PlayerIndex(), 0, true);
    }
    DiscardKeyRelease(kKeyK);
}

void ArmedInspection(Session& session) {
    const int32_t aimed = FreeAimedEntity(PlayerIndex());
    if (!aimed) {
        DiscardKeyRelease(kKeyF3);
        return;
    }
    DrawLootDecoration(session, aimed);
    if (TakeKeyRelease(kKeyK)) {
        const std::string where = VectorText(EntityPosition(aimed));
        session.showMessage(where.c_str());
        Log(where);
    }
    DiscardKeyRelease(kKeyZ);
}

void GiveDebugSupplies() {
    const int32_t ped = PlayerPed();
    const Vector3 position = PlayerPosition();
    const Hash reason = HashString("ADD_REASON_DEFAULT");
    ClearArea(position, 20.0f, kWholeAreaFlags);
    AddAmmo(ped, kGiftAmmoSmall, 5, reason);
    AddAmmo(ped, kGiftAmmoLarge, 15, reason);
    AddAmmoByType(ped, HashString("AMMO_ARROW_DYNAMITE"), 10, reason);
    LogVector(position);
}

} // namespace

void ToggleDebugTools(Session& session) {
    if (!session.debugTools().on()) {
        session.showMessage("Debug tools ON");
        SetInvincible(PlayerPed(), true);
        session.debugTools().setOn(true);
        return;
    }
    session.showMessage("Debug tools OFF");
    SetInvincible(PlayerPed(), false);
    SetMaxWantedLevel(kMaxWantedLevelWhenOff);
    session.debugTools().setOn(false);
}

void RunDebugToolsFrame(Session& session) {
    SetInvincible(PlayerPed(), true);
    SetInvincible(SaddleHorse(PlayerIndex()), true);
    if (CurrentWeapon(PlayerPed()) == HashString("WEAPON_UNARMED"))
        UnarmedInspection(session);
    else
        ArmedInspection(session);
    if (TakeKeyRelease(kKeyF1)) GiveDebugSupplies();
    if (TakeKeyRelease(kKeyF3)) session.runDebugAction();
    if (TakeKeyRelease(kKeyZ))
        events::SendCampEvent(
            {static_cast<int32_t>(HashString(events::kCampLocationSelectorOpen))});
    DiscardKeyRelease(kKeyX);
    DiscardKeyRelease(kKeyK);
    DiscardKeyRelease(kKeyN);
}

} // namespace corvale
