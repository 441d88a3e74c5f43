#include "core/natives/Camera.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kCreateCamWithParams = 0x40c23491ce83708e;
constexpr uint64_t kDestroyCam = 0x4e67e0b6d7fd5145;
constexpr uint64_t kPointCamAtCoord = 0x948b39341c3a40c2;
constexpr uint64_t kSetCamActive = 0x87295bca613800c8;
constexpr uint64_t kRenderScriptCams = 0x33281167e4942e4f;
constexpr uint64_t kSetCinematicModeActive = 0xce7a90b160f75046;
constexpr uint64_t kDoScreenFadeOut = 0x40c719a5e410b9e4;
constexpr uint64_t kDoScreenFadeIn = 0x6a053cf596f67df7;
constexpr int32_t kRotationOrder = 2;
} // namespace

Cam CreateScriptedCamera(const Vector3& p, const Vector3& r, float fieldOfView, bool active) {
    return Invoke<Cam>(kCreateCamWithParams, "DEFAULT_SCRIPTED_CAMERA", p.x, p.y, p.z, r.x, r.y,
                       r.z, fieldOfView, active, kRotationOrder);
}

// The second argument asks the game to let go of the camera's script resources too.
void DestroyCamera(Cam cam) {
    Invoke(kDestroyCam, cam, true);
}

void PointCameraAt(Cam cam, const Vector3& t) {
    Invoke(kPointCamAtCoord, cam, t.x, t.y, t.z);
}

void SetCameraActive(Cam cam, bool active) {
    Invoke(kSetCamActive, cam, active);
}

void RenderScriptCameras(bool render, bool ease, int32_t easeMs) {
    Invoke(kRenderScriptCams, render, ease, easeMs, true, false, 0);
}

void SetCinematicMode(bool on) {
    Invoke(kSetCinematicModeActive, on);
}

void FadeScreenOut(int32_t durationMs) {
    Invoke(kDoScreenFadeOut, durationMs);
}

void FadeScreenIn(int32_t durationMs) {
    Invoke(kDoScreenFadeIn, durationMs);
}

} // namespace corvale
