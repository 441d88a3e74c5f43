#include "core/natives/Peds.h"
#include "core/natives/Native.h"

#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/Models.h"
#include "core/natives/Strings.h"

namespace corvale {

namespace {
constexpr native::Native kCreatePed{0xd49f9b0955c367de, "CREATE_PED",
                                    "Hash,float,float,float,float,BOOL,BOOL,BOOL,BOOL"};
constexpr native::Native kSetPedConfigFlag{0x1913fe4cbf41c463, "SET_PED_CONFIG_FLAG",
                                           "Ped,int,BOOL"};
constexpr native::Native kSetRandomOutfitVariation{0x283978a15512b2fe,
                                                   "_SET_RANDOM_OUTFIT_VARIATION", "Ped,BOOL"};
constexpr native::Native kGetPedRelationshipGroupHash{0x7dbdd04862d95f04,
                                                      "GET_PED_RELATIONSHIP_GROUP_HASH", "Ped"};
constexpr native::Native kIsAnySpeechPlaying{0x729072355fa39ec9, "IS_ANY_SPEECH_PLAYING", "Ped"};
constexpr native::Native kPlayPedAmbientSpeech{0x8e04fedd28d42462, "PLAY_PED_AMBIENT_SPEECH_NATIVE",
                                               "Ped,Any*"};
constexpr native::Native kGetPedNearbyPeds{0x23f8f5fc7e8c4a6b, "GET_PED_NEARBY_PEDS",
                                           "Ped,Any*,int,int"};
constexpr native::Native kIsPedInCombat{0x4859f1fc66a6278e, "IS_PED_IN_COMBAT", "Ped,Ped"};
constexpr native::Native kSetPedMaxMoveBlendRatio{0x433083750c5e064a,
                                                  "SET_PED_MAX_MOVE_BLEND_RATIO", "Ped,float"};
constexpr native::Native kSetPedPromptName{0x4a48b6e03babb4ac, "_SET_PED_PROMPT_NAME",
                                           "Ped,const char*"};
constexpr native::Native kEquipMetaPedOutfitPreset{0x77ff8d35eec6bbc4,
                                                   "_EQUIP_META_PED_OUTFIT_PRESET", "Ped,int,BOOL"};
constexpr native::Native kApplyShopItemToPed{0xd3a7b003ed343fd9, "_APPLY_SHOP_ITEM_TO_PED",
                                             "Ped,Hash,BOOL,BOOL,BOOL"};
constexpr native::Native kSetPedCombatAttributes{0x9f7794730795e019, "SET_PED_COMBAT_ATTRIBUTES",
                                                 "Ped,int,BOOL"};
constexpr native::Native kSetPedAccuracy{0x7aefb85c1d49deb6, "SET_PED_ACCURACY", "Ped,int"};
constexpr native::Native kSetPedRelationshipGroupHash{
    0xc80a74ac829ddd92, "SET_PED_RELATIONSHIP_GROUP_HASH", "Ped,Hash"};
constexpr native::Native kCreatePedOnMount{0xf89aa2bd01fc06b7, "CREATE_PED_ON_MOUNT",
                                           "Ped,Hash,int,BOOL,BOOL,BOOL,BOOL"};
constexpr native::Native kSetBlockingOfNonTemporaryEvents{
    0x9f8aa94d6d97dbf4, "SET_BLOCKING_OF_NON_TEMPORARY_EVENTS", "Ped,BOOL"};
constexpr native::Native kSetPedPanicExitScenario{0xfe07ff6495d52e2a, "SET_PED_PANIC_EXIT_SCENARIO",
                                                  "Ped,float,float,float"};
constexpr native::Native kGetScenarioPointPedIsUsing{
    0xdf7993356f52359a, "_GET_SCENARIO_POINT_PED_IS_USING", "Ped,BOOL"};
constexpr native::Native kSetPedShouldPlayCombatScenarioExit{
    0x802092b07e3b1eea, "SET_PED_SHOULD_PLAY_COMBAT_SCENARIO_EXIT", "Ped,float,float,float,int"};
constexpr native::Native kSetPedShouldPlayQuickScenarioExit{
    0x463803429297117c, "SET_PED_SHOULD_PLAY_QUICK_SCENARIO_EXIT",
    "Ped,float,float,float,int,BOOL"};
constexpr native::Native kSetPedBlackboardFloat{0x437c08db4febe2bd, "_SET_PED_BLACKBOARD_FLOAT",
                                                "Ped,const char*,float,int"};
constexpr native::Native kSetPedIgnoreDeadBodies{0x013a7ba5015c1372, "_SET_PED_IGNORE_DEAD_BODIES",
                                                 "Ped,BOOL"};
constexpr native::Native kSetPedKeepTask{0x971d38760fbc02ef, "SET_PED_KEEP_TASK", "Ped,BOOL"};
constexpr native::Native kSetPedPathMayEnterDeepWater{
    0x9de63896b176ea94, "_SET_PED_PATH_MAY_ENTER_DEEP_WATER", "Ped,BOOL"};
constexpr native::Native kIsPedHuman{0xb980061da992779d, "IS_PED_HUMAN", "Ped"};
constexpr native::Native kIsPedUsingAnyScenario{0x57ab4a3080f85143, "IS_PED_USING_ANY_SCENARIO",
                                                "Ped"};

constexpr int32_t kConfigFlag130 = 130;
constexpr Hash kLawGroup = 0xCB2DC17A;
constexpr uint32_t kSpeechParams = 0x67F3AB43;
constexpr int32_t kNearbyCapacity = 10;
constexpr int32_t kAnyPedType = -1;
constexpr native::Native kSetPedOntoMount{0x028f76b6e78246eb, "SET_PED_ONTO_MOUNT",
                                          "Ped,Ped,int,BOOL"};
constexpr native::Native kIsPedOnFoot{0x01fee67db37f59b2, "IS_PED_ON_FOOT", "Ped"};
constexpr native::Native kIsPedHogtied{0x3aa24ccc0d451379, "IS_PED_HOGTIED", "Ped"};
constexpr native::Native kIsPedOnMount{0x460bc76a0e10655e, "IS_PED_ON_MOUNT", "Ped"};
constexpr native::Native kGetMount{0xe7e11b8dcbed1058, "GET_MOUNT", "Ped"};
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
