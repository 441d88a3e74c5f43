#include "core/natives/Peds.h"

#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/Models.h"
#include "core/natives/Strings.h"

namespace corvale {

namespace {
constexpr uint64_t kCreatePed = 0xd49f9b0955c367de;
constexpr uint64_t kSetPedConfigFlag = 0x1913fe4cbf41c463;
constexpr uint64_t kSetRandomOutfitVariation = 0x283978a15512b2fe;
constexpr uint64_t kGetPedRelationshipGroupHash = 0x7dbdd04862d95f04;
constexpr uint64_t kIsAnySpeechPlaying = 0x729072355fa39ec9;
constexpr uint64_t kPlayPedAmbientSpeech = 0x8e04fedd28d42462;
constexpr uint64_t kGetPedNearbyPeds = 0x23f8f5fc7e8c4a6b;
constexpr uint64_t kIsPedInCombat = 0x4859f1fc66a6278e;
constexpr uint64_t kSetPedMaxMoveBlendRatio = 0x433083750c5e064a;
constexpr uint64_t kSetPedPromptName = 0x4a48b6e03babb4ac;
constexpr uint64_t kEquipMetaPedOutfitPreset = 0x77ff8d35eec6bbc4;
constexpr uint64_t kApplyShopItemToPed = 0xd3a7b003ed343fd9;
constexpr uint64_t kSetPedCombatAttributes = 0x9f7794730795e019;
constexpr uint64_t kSetPedAccuracy = 0x7aefb85c1d49deb6;
constexpr uint64_t kSetPedRelationshipGroupHash = 0xc80a74ac829ddd92;
constexpr uint64_t kCreatePedOnMount = 0xf89aa2bd01fc06b7;
constexpr uint64_t kSetBlockingOfNonTemporaryEvents = 0x9f8aa94d6d97dbf4;
constexpr uint64_t kSetPedPanicExitScenario = 0xfe07ff6495d52e2a;
constexpr uint64_t kGetScenarioPointPedIsUsing = 0xdf7993356f52359a;
constexpr uint64_t kSetPedShouldPlayCombatScenarioExit = 0x802092b07e3b1eea;
constexpr uint64_t kSetPedShouldPlayQuickScenarioExit = 0x463803429297117c;
constexpr uint64_t kSetPedBlackboardFloat = 0x437c08db4febe2bd;
constexpr uint64_t kSetPedIgnoreDeadBodies = 0x013a7ba5015c1372;
constexpr uint64_t kSetPedKeepTask = 0x971d38760fbc02ef;
constexpr uint64_t kSetPedPathMayEnterDeepWater = 0x9de63896b176ea94;
constexpr uint64_t kIsPedHuman = 0xb980061da992779d;
constexpr uint64_t kIsPedUsingAnyScenario = 0x57ab4a3080f85143;

constexpr int32_t kConfigFlag130 = 130;
constexpr Hash kLawGroup = 0xCB2DC17A;
constexpr uint32_t kSpeechParams = 0x67F3AB43;
constexpr int32_t kNearbyCapacity = 10;
constexpr int32_t kAnyPedType = -1;
constexpr uint64_t kSetPedOntoMount = 0x028f76b6e78246eb;
constexpr uint64_t kIsPedOnFoot = 0x01fee67db37f59b2;
constexpr uint64_t kIsPedHogtied = 0x3aa24ccc0d451379;
constexpr uint64_t kIsPedOnMount = 0x460bc76a0e10655e;
constexpr uint64_t kGetMount = 0xe7e11b8dcbed1058;
} // namespace

Ped SpawnPed(const char* model, const Vector3& position, float heading) {
    return SpawnPed(HashString(model), position, heading);
}

Ped SpawnPed(Hash model, const Vector3& position, float heading) {
    RequestModel(model);
    if (!AwaitModel(model)) return 0;
    const Ped ped = Invoke<Ped>(kCreatePed, model, position.x, position.y, position.z, heading,
                                false, false, false, false);
    SetPedConfigFlag(ped, kConfigFlag130, false);
    Invoke(kSetRandomOutfitVariation, ped, true);
    return ped;
}

Ped CreateNetworkedPed(Hash model, const Vector3& position, float heading) {
    return Invoke<Ped>(kCreatePed, model, position.x, position.y, position.z, heading, true, false,
                       false, false);
}

void SetRandomOutfit(Ped ped) {
    Invoke(kSetRandomOutfitVariation, ped, true);
}

Ped CreatePedOnMount(Ped mount, Hash model, int32_t seat) {
    return Invoke<Ped>(kCreatePedOnMount, mount, model, seat, false, false, false, false);
}

void SetBlockingOfNonTemporaryEvents(Ped ped, bool block) {
    Invoke(kSetBlockingOfNonTemporaryEvents, ped, block);
}

void SetPedPanicExitPoint(Ped ped, const Vector3& point) {
    Invoke<bool>(kSetPedPanicExitScenario, ped, point.x, point.y, point.z);
}

bool IsLawPed(Ped ped) {
    const Hash group = Invoke<Hash>(kGetPedRelationshipGroupHash, ped);
    return group == HashString("REL_COP") || group == kLawGroup;
}

bool IsPedInCombat(Ped ped, Ped target) {
    return Invoke<bool>(kIsPedInCombat, ped, target);
}

void SetPedMaxMoveBlendRatio(Ped ped, float ratio) {
    Invoke(kSetPedMaxMoveBlendRatio, ped, ratio);
}

void PedSay(Ped ped, const char* line, const char* voice) {
    if (Invoke<int32_t>(kIsAnySpeechPlaying, ped) != 0) return;
    uint64_t block[7] = {
        native::Slot(line), native::Slot(voice), 1, kSpeechParams, native::Slot(ped), 1, 1};
    Invoke<bool>(kPlayPedAmbientSpeech, ped, block);
}

Ped NearestPed(Ped ped, PedFilter accept, const void* context) {
    // The game's sized array: the capacity in the first slot, one handle per 8-byte slot after it.
    uint64_t found[1 + kNearbyCapacity] = {static_cast<uint64_t>(kNearbyCapacity)};
    const int32_t count = Invoke<int32_t>(kGetPedNearbyPeds, ped, found, kAnyPedType, kAnyPedType);
    Ped best = 0;
    int32_t bestMetres = 0;
    for (int32_t i = 0; i < count && i < kNearbyCapacity; ++i) {
        const Ped candidate = static_cast<Ped>(static_cast<uint32_t>(found[1 + i]));
        if (!EntityExists(candidate) || !accept(context, candidate)) continue;
        const int32_t metres = static_cast<int32_t>(Distance(ped, candidate));
        if (best == 0 || metres < bestMetres) {
            best = candidate;
            bestMetres = metres;
        }
    }
    return best;
}

void SetPedPromptName(Ped ped, const char* name) {
    Invoke(kSetPedPromptName, ped, name);
}

void EquipOutfitPreset(Ped ped, int32_t preset, bool flag) {
    Invoke(kEquipMetaPedOutfitPreset, ped, preset, flag);
}

void ApplyShopItem(Ped ped, Hash item, bool immediately, bool flagA, bool flagB) {
    Invoke(kApplyShopItemToPed, ped, item, immediately, flagA, flagB);
}

void SetPedConfigFlag(Ped ped, int32_t flag, bool on) {
    Invoke(kSetPedConfigFlag, ped, flag, on);
}

void SetPedCombatAttribute(Ped ped, int32_t attribute, bool on) {
    Invoke(kSetPedCombatAttributes, ped, attribute, on);
}

void SetPedAccuracy(Ped ped, int32_t accuracy) {
    Invoke(kSetPedAccuracy, ped, accuracy);
}

void SetPedRelationshipGroup(Ped ped, Hash group) {
    Invoke(kSetPedRelationshipGroupHash, ped, group);
}

int32_t PedScenarioPoint(Ped ped, bool includeQueued) {
    return Invoke<int32_t>(kGetScenarioPointPedIsUsing, ped, includeQueued);
}

bool SetPedCombatScenarioExit(Ped ped, const Vector3& point, int32_t flags) {
    return Invoke<bool>(kSetPedShouldPlayCombatScenarioExit, ped, point.x, point.y, point.z, flags);
}

bool SetPedQuickScenarioExit(Ped ped, const Vector3& point, int32_t flags, bool flag) {
    return Invoke<bool>(kSetPedShouldPlayQuickScenarioExit, ped, point.x, point.y, point.z, flags,
                        flag);
}

void SetPedBlackboardFloat(Ped ped, const char* name, float value, int32_t durationMs) {
    Invoke(kSetPedBlackboardFloat, ped, name, value, durationMs);
}

void SetPedOntoMount(Ped ped, Ped mount, int32_t seat, bool flag) {
    Invoke(kSetPedOntoMount, ped, mount, seat, flag);
}

bool IsPedOnFoot(Ped ped) {
    return Invoke<bool>(kIsPedOnFoot, ped);
}

bool IsPedHogtied(Ped ped) {
    return Invoke<bool>(kIsPedHogtied, ped);
}

bool IsPedOnMount(Ped ped) {
    return Invoke<bool>(kIsPedOnMount, ped);
}

Ped PedMount(Ped ped) {
    return Invoke<Ped>(kGetMount, ped);
}

void SetPedIgnoreDeadBodies(Ped ped, bool ignore) {
    Invoke(kSetPedIgnoreDeadBodies, ped, ignore);
}

void SetPedKeepTask(Ped ped, bool keep) {
    Invoke(kSetPedKeepTask, ped, keep);
}

void SetPedPathMayEnterDeepWater(Ped ped, bool may) {
    Invoke(kSetPedPathMayEnterDeepWater, ped, may);
}

bool IsPedHuman(Ped ped) {
    return Invoke<bool>(kIsPedHuman, ped);
}

bool IsPedUsingAnyScenario(Ped ped) {
    return Invoke<bool>(kIsPedUsingAnyScenario, ped);
}

} // namespace corvale
