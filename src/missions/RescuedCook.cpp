#include "missions/RescuedCook.h"

#include "core/log/Log.h"
#include "core/natives/Blips.h"
#include "core/natives/Developer.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Prompt.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "missions/BaseMissionProcessor.h"
#include "missions/JailPlaces.h"
#include "site/Blips.h"
#include "site/CookSetUp.h"

namespace corvale {

namespace {
constexpr int32_t kDecorNotPickPocketable = -1;
constexpr float kRunSpeed = 3.0f;
constexpr float kClintFallsBehindRange = 50.0f;
constexpr int32_t kFollowTimeoutMs = 20000;
constexpr float kFollowStopRange = 10.0f;
constexpr int32_t kConfigFlagFollows = 279;
constexpr int32_t kConfigFlagCompanion = 154;
} // namespace

RescuedCook::RescuedCook(BaseMissionProcessor& mission)
    : mission_(mission), companionStyle_(HashString("BLIP_STYLE_COMPANION")),
      followTask_(HashString("SCRIPT_TASK_FOLLOW_TO_OFFSET_OF_ENTITY")),
      mountTask_(HashString("SCRIPT_TASK_MOUNT_ANIMAL")) {}

Ped RescuedCook::spawn(const char* name, Prompt& locationPrompt, const Vector3& facing) {
    Log("CookRescueMission: creating cook ped");
    const Ped cook = mission_.addEntity(SpawnPed("a_m_m_moonshiners_01", jail::kClintSpawn));
    ped_ = cook;
    if (cook == 0) return 0;
    DressCook(cook, name);
    SetPedIgnoreDeadBodies(cook, true);
    ToughenCook(cook);
    SetInvincible(cook, true);
    locationPrompt.setGroupFrom(cook);
    GiveCookHisGang(cook);
    ScriptWait(500);
    // Half a second is long enough for the game to lose him.
    if (!EntityExists(cook)) return cook;
    TaskTurnToFacePoint(cook, facing, -1);
    SetDecorationInt(cook, "SH_PickPocketing_status", kDecorNotPickPocketable);
    return cook;
}

void RescuedCook::joinPlayer(Ped player) {
    group_ = GroupOf(player);
    if (group_ == 0) {
        group_ = CreatePedGroup(0);
        createdGroup_ = group_;
        if (group_ != 0) SetPedAsGroupLeader(player, group_, true);
    }
    SetPedConfigFlag(ped_, kConfigFlagFollows, true);
    SetPedConfigFlag(ped_, kConfigFlagCompanion, true);
    if (group_ != 0) {
        SetPedAsGroupMember(ped_, group_);
        inGroup_ = true;
    }
    TaskGoToPoint(ped_, PlayerPosition(), kRunSpeed, -1, 1.0f, 0, 0.0f);
}

void RescuedCook::stayInGroup() {
    if (group_ != 0) SetPedAsGroupMember(ped_, group_);
}

void RescuedCook::keepWithPlayer(Ped player) {
    const bool playerMounted = IsPedOnMount(player);
    if (Distance(ped_, player) > kClintFallsBehindRange) {
        if (ScriptTaskStatus(ped_, followTask_) == kScriptTaskNotRunning)
            TaskFollowEntity(ped_, player, Vector3{}, kRunSpeed, kFollowTimeoutMs,
                             kFollowStopRange);
        return;
    }
    const bool clintMounted = IsPedOnMount(ped_);
    if (!clintMounted && playerMounted &&
        ScriptTaskStatus(ped_, mountTask_) == kScriptTaskNotRunning) {
        const Ped horse = PedMount(player);
        if (horse == 0) return;
        SetBlockingOfNonTemporaryEvents(ped_, true);
        TaskMountAnimal(ped_, horse, -1, 0, kRunSpeed);
        return;
    }
    if (!playerMounted || clintMounted) SetBlockingOfNonTemporaryEvents(ped_, false);
}

void RescuedCook::leaveGroup() {
    if (!inGroup_) return;
    inGroup_ = false;
    if (ped_ != 0 && EntityExists(ped_)) RemoveFromGroup(ped_);
}

void RescuedCook::removeGroup() {
    if (createdGroup_ != 0) RemovePedGroup(createdGroup_);
    createdGroup_ = 0;
    group_ = 0;
}

void RescuedCook::showBlip(const char* name) {
    blip_ = BlipForEntity(ped_, companionStyle_, blips::kSpriteNone);
    SetBlipName(blip_, name);
}

void RescuedCook::removeBlip() {
    RemoveBlip(&blip_);
}

} // namespace corvale
