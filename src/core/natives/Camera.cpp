#include "core/natives/Camera.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kCreateCamWithParams{
    0x40c23491ce83708e, "CREATE_CAM_WITH_PARAMS",
    "const char*,float,float,float,float,float,float,float,BOOL,int"};
constexpr native::Native kDestroyCam{0x4e67e0b6d7fd5145, "DESTROY_CAM", "Cam,BOOL"};
constexpr native::Native kPointCamAtCoord{0x948b39341c3a40c2, "POINT_CAM_AT_COORD",
                                          "Cam,float,float,float"};
constexpr native::Native kSetCamActive{0x87295bca613800c8, "SET_CAM_ACTIVE", "Cam,BOOL"};
constexpr native::Native kRenderScriptCams{0x33281167e4942e4f, "RENDER_SCRIPT_CAMS",
                                           "BOOL,BOOL,int,BOOL,BOOL,int"};
constexpr native::Native kSetCinematicModeActive{0xce7a90b160f75046, "SET_CINEMATIC_MODE_ACTIVE",
                                                 "BOOL"};
constexpr native::Native kDoScreenFadeOut{0x40c719a5e410b9e4, "DO_SCREEN_FADE_OUT", "int"};
constexpr native::Native kDoScreenFadeIn{0x6a053cf596f67df7, "DO_SCREEN_FADE_IN", "int"};
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
