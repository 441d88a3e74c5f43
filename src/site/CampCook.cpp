// The camp's cook: spawned once per built camp, dressed, toughened and given his voice.
#include "core/log/Log.h"
#include "core/natives/Audio.h"
#include "core/natives/Entity.h"
#include "core/natives/Ground.h"
#include "core/natives/Peds.h"
#include "core/natives/Random.h"
#include "core/natives/Strings.h"
#include "core/natives/Weapons.h"
#include "site/CampInterface.h"
#include "site/CampSetModels.h"
#include "ui/LangText.h"

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
constexpr int32_t kAmmo = 99;

void SetUpCook(Ped cook, const GameData& data) {
    SetPedPromptName(cook, LangText(data, "prompts.cook"));
    EquipOutfitPreset(cook, kOutfitPreset, false);
    ApplyShopItem(cook, peds::kCookOutfitPartA, true, false, false);
    ApplyShopItem(cook, peds::kCookOutfitPartB, true, false, false);
    SetPedConfigFlag(cook, kConfigFlag154, true);
    SetPedConfigFlag(cook, kConfigFlag540, true);
    SetEntityHealth(cook, kHealth, 0);
    SetEntityProofs(cook, kProofs, false);
    SetPedCombatAttribute(cook, kCombatAttribute46, false);
    SetPedCombatAttribute(cook, kCombatAttribute13, true);
    SetPedAccuracy(cook, kAccuracy);
    SetPedRelationshipGroup(cook, HashString("REL_GANG_DUTCHS"));
    SetAmbientVoice(cook, "0192_A_M_M_HTLROUGHTRAVELLERS_01_WHITE_01");
}

} // namespace

Ped CampInterface::spawnCook(bool armed) {
    if (!isBuilt()) return 0;
    if (cook_ != 0) return cook_;
    const float distance = static_cast<float>(RandomInt(6, 9));
    const Vector3 spot = RandomPointAround(location_->position, distance, false);
    const Ped cook = SpawnPed(camp_set::kCook, spot);
    if (cook == 0) {
        Log("CampInterface: the cook could not be spawned");
        return 0;
    }
    SetUpCook(cook, data_);
    if (armed) GiveWeapon(cook, weapons::kRevolverDoubleAction, kAmmo, true);
    cook_ = cook;
    objects_.push_back(cook_);
    return cook_;
}

} // namespace corvale
