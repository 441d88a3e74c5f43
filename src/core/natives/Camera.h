#pragma once
// Scripted cameras: made, aimed, switched on, and shown instead of the gameplay camera.
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

namespace corvale {

// A "DEFAULT_SCRIPTED_CAMERA" at position with rotation (degrees) and field of view.
Cam CreateScriptedCamera(const Vector3& position, const Vector3& rotation, float fieldOfView,
                         bool active);
void DestroyCamera(Cam cam);
void PointCameraAt(Cam cam, const Vector3& target);
void SetCameraActive(Cam cam, bool active);
// Shows the active scripted camera (or the gameplay camera again), eased over easeMs.
void RenderScriptCameras(bool render, bool ease, int32_t easeMs);

// The letterboxed cinematic view, which also keeps the player's controls from the game.
void SetCinematicMode(bool on);
// The screen goes black, or comes back, over durationMs.
void FadeScreenOut(int32_t durationMs);
void FadeScreenIn(int32_t durationMs);

} // namespace corvale
