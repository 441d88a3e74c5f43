#pragma once
// Peds: spawning and setting up, the law, combat, pace, speech and the nearest ped around
// another.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

namespace corvale {

// Requests the model and waits frame by frame until it has loaded, then creates the ped with
// a random outfit. A model that does not load within 10 s of game time gives 0: not spawned
// (see AwaitModel).
Ped SpawnPed(const char* model, const Vector3& position, float heading = 0.0f);
Ped SpawnPed(Hash model, const Vector3& position, float heading = 0.0f);

// Creates a ped of a model already loaded (networked as the still's helpers are), without
// dressing it; 0 when the game refuses.
Ped CreateNetworkedPed(Hash model, const Vector3& position, float heading);
// A random outfit of the ped's model.
void SetRandomOutfit(Ped ped);
// A rider of model in the mount's saddle (seat -1); 0 when the game refuses.
Ped CreatePedOnMount(Ped mount, Hash model, int32_t seat);
// The ped ignores what happens around him and keeps to his task.
void SetBlockingOfNonTemporaryEvents(Ped ped, bool block);
// Where the ped flees to when he panics out of a scenario.
void SetPedPanicExitPoint(Ped ped, const Vector3& point);

// In the cops' relationship group (or the law's other group).
bool IsLawPed(Ped ped);

// Fighting target, or anyone when target is 0.
bool IsPedInCombat(Ped ped, Ped target);
// Caps how fast the ped may move: 1.0 walks, 2.0 runs, 3.0 sprints; for this frame only.
void SetPedMaxMoveBlendRatio(Ped ped, float ratio);

// A person rather than an animal.
bool IsPedHuman(Ped ped);
// Playing a scenario, or on the way to one.
bool IsPedUsingAnyScenario(Ped ped);

// Says an ambient line in a voice, unless the ped is already speaking.
void PedSay(Ped ped, const char* line, const char* voice);
// In the ped's own voice (an empty voice name).
inline void PedSay(Ped ped, const char* line) { PedSay(ped, line, ""); }

// The scenario point the ped is using; -1 when none.
int32_t PedScenarioPoint(Ped ped, bool includeQueued);
// When the ped next leaves his scenario, he does it facing the point: as for a fight, or quickly.
bool SetPedCombatScenarioExit(Ped ped, const Vector3& point, int32_t flags);
bool SetPedQuickScenarioExit(Ped ped, const Vector3& point, int32_t flags, bool flag);
// A named value on the ped's behaviour blackboard for durationMs ("cautious" walks warily).
void SetPedBlackboardFloat(Ped ped, const char* name, float value, int32_t durationMs);

// The nearest of up to 10 peds the game finds around `ped` that exist and pass `accept`,
// by distance in whole metres (ties keep the first found); 0 when none.
using PedFilter = bool (*)(const void* context, Ped candidate);
Ped NearestPed(Ped ped, PedFilter accept, const void* context);
template <class Accept> Ped NearestPed(Ped ped, const Accept& accept) {
    return NearestPed(
        ped,
        [](const void* c, Ped p) { return static_cast<bool>((*static_cast<const Accept*>(c))(p)); },
        &accept);
}

// How a ped looks, fights and belongs, set once after spawning.
namespace peds {
inline constexpr Hash kCookOutfitPartA = 0xB3911F0D; // shop items the cook wears
inline constexpr Hash kCookOutfitPartB = 0x57CE45CA;
} // namespace peds
// The name shown on the ped's prompts.
void SetPedPromptName(Ped ped, const char* name);
void EquipOutfitPreset(Ped ped, int32_t preset, bool flag);
void ApplyShopItem(Ped ped, Hash item, bool immediately, bool flagA, bool flagB);
void SetPedConfigFlag(Ped ped, int32_t flag, bool on);
void SetPedCombatAttribute(Ped ped, int32_t attribute, bool on);
// 0 to 100.
void SetPedAccuracy(Ped ped, int32_t accuracy);
void SetPedRelationshipGroup(Ped ped, Hash group);
// Bodies lying about do not alarm the ped.
void SetPedIgnoreDeadBodies(Ped ped, bool ignore);
// The ped keeps its task when the script lets go of it.
void SetPedKeepTask(Ped ped, bool keep);
void SetPedPathMayEnterDeepWater(Ped ped, bool may);

// Seats the ped on a horse at once (seat -1: the saddle).
void SetPedOntoMount(Ped ped, Ped mount, int32_t seat, bool flag);
// Standing on his own feet: not riding, not seated in a vehicle.
bool IsPedOnFoot(Ped ped);

// Tied up by the player (a hogtied guard keeps no post).
bool IsPedHogtied(Ped ped);
bool IsPedOnMount(Ped ped);
// The horse the ped rides or last rode; 0 when none.
Ped PedMount(Ped ped);


} // namespace corvale
