// The still menu's scripted camera.
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

namespace {
constexpr uint64_t kDestroyCam = 0x4e67e0b6d7fd5145;
constexpr uint64_t kCreateCamWithParams = 0x40c23491ce83708e;
constexpr uint64_t kPointCamAtCoord = 0x948b39341c3a40c2;
constexpr uint64_t kSetCamActive = 0x87295bca613800c8;
constexpr uint64_t kRenderScriptCams = 0x33281167e4942e4f;
constexpr int32_t kEaseMs = 500;
} // namespace

void DestroyCamera(Cam cam) {
    Invoke(kDestroyCam, cam, true);
}

Cam CreateScriptedCamera(const Vector3& p, float fieldOfView) {
    return Invoke<int32_t>(kCreateCamWithParams, "DEFAULT_SCRIPTED_CAMERA", p.x, p.y, p.z, 0.0f,
                           0.0f, 0.0f, fieldOfView, true, 2);
}

void PointCameraAt(Cam cam, const Vector3& t) {
    Invoke(kPointCamAtCoord, cam, t.x, t.y, t.z);
}

void SetCameraActive(Cam cam, bool active) {
    Invoke(kSetCamActive, cam, active);
}

void RenderScriptCameras(bool render) {
    Invoke(kRenderScriptCams, render, true, kEaseMs, true, false, 0);
}

} // namespace corvale::business
