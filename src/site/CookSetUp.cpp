#include "site/CookSetUp.h"

#include "core/natives/Audio.h"
#include "core/natives/Entity.h"
#include "core/natives/Peds.h"
#include "core/natives/Strings.h"

namespace corvale {

namespace {
constexpr int32_t kOutfitPreset = 3;
constexpr int32_t kConfigFlag154 = 154;
constexpr int32_t kConfigFlag540 = 540;
constexpr int32_t kHealth = 1500;
constexpr int32_t kProofs = 4;
constexpr int32_t kCombatAttribute46 = 46;
constexpr int32_t kCombatAttribute13 = 13;
constexpr int32_t kAccuracy = 80;
} // namespace

void DressCook(Ped cook, const char* name) {
    SetPedPromptName(cook, name);
    EquipOutfitPreset(cook, kOutfitPreset, false);
    ApplyShopItem(cook, peds::kCookOutfitPartA, true, false, false);
    ApplyShopItem(cook, peds::kCookOutfitPartB, true, false, false);
}

void ToughenCook(Ped cook) {
    SetPedConfigFlag(cook, kConfigFlag154, true);
    SetPedConfigFlag(cook, kConfigFlag540, true);
    SetEntityHealth(cook, kHealth, 0);
    SetEntityProofs(cook, kProofs, false);
    SetPedCombatAttribute(cook, kCombatAttribute46, false);
    SetPedCombatAttribute(cook, kCombatAttribute13, true);
    SetPedAccuracy(cook, kAccuracy);
}

void GiveCookHisGang(Ped cook) {
    SetPedRelationshipGroup(cook, HashString("REL_GANG_DUTCHS"));
    SetAmbientVoice(cook, "0192_A_M_M_HTLROUGHTRAVELLERS_01_WHITE_01");
}

} // namespace corvale
