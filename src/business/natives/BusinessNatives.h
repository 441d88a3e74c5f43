#pragma once
// The business plug-in's own wrappers over the game's natives, one family per file, for the
// natives the bridge does not wrap. Each wrapper is named for the game concept; the hashes
// live in the family files only. The bridge's wrappers are included here.
#include "core/natives/Audio.h"
#include "core/natives/Controls.h"
#include "core/natives/Developer.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/HudText.h"
#include "core/natives/Inventory.h"
#include "core/natives/Models.h"
#include "core/natives/Money.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Player.h"
#include "core/natives/PromptSteps.h"
#include "core/natives/TextureDictionaries.h"

#include <cstdint>

namespace corvale::business {

using Cam = int32_t;
using PromptHandle = int32_t;

// Game hashes the business plug-in uses by value.
inline constexpr Hash kShopHudContext = 0x1c43984e;
inline constexpr int32_t kLedgerPromptGroup = static_cast<int32_t>(0x87a59ac9u);
inline constexpr int32_t kWagonPromptGroup = static_cast<int32_t>(0xe31b1f81u);

// Vehicles (Vehicles.cpp): the wagon.
bool IsVehicleDriveable(int32_t vehicle, bool a, bool b);
void AddVehiclePropSet(int32_t vehicle, Hash propSet);

// Controls (Controls.cpp): frame-wide control reads.
bool IsControlHeld(int32_t pad, Hash control);
void DisableControlThisFrame(int32_t pad, Hash control, bool disable);


// Hud (Hud.cpp): HUD contexts and screen text.
void EnableHudContext(Hash context);
void DisableHudContext(Hash context);
void EnableHudContextThisFrame(Hash context);
void SetScreenTextColour(int32_t r, int32_t g, int32_t b, int32_t a);
void DisplayScreenText(uint64_t textHandle, float x, float y);

// Camera (Camera.cpp): the menu's scripted camera.
void DestroyCamera(Cam cam);
Cam CreateScriptedCamera(const Vector3& position, float fieldOfView);
void PointCameraAt(Cam cam, const Vector3& target);
void SetCameraActive(Cam cam, bool active);
void RenderScriptCameras(bool render);

// Money (Money.cpp).
void TakeCash(int32_t cents);

// Peds and tasks (Peds.cpp).
void StartScenarioInPlace(int32_t ped, Hash scenario);
void ClearPedTasksNow(int32_t ped);
bool IsPedInCombat(int32_t ped);
void SetPedMaxMoveBlendRatio(int32_t ped, float ratio);

} // namespace corvale::business
