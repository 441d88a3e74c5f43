// Scripted cameras: created with their place and lens, pointed, made active, rendered through;
// the screen's fades and cinematic bars.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {

Camera* Find(Simulator& sim, int32_t handle, const char* native) {
    Camera* c = sim.world().cameras.find(handle);
    if (!c) sim.fault(std::string(native) + " of unknown camera " + std::to_string(handle));
    return c;
}

void StartFade(Call& c, bool toBlack) {
    Fade& f = c.w.effects.fade;
    f.toBlack = toBlack;
    f.startedAt = c.w.gameTimer;
    f.durationMs = c.i(0) < 0 ? 0 : c.i(0);
    f.started = true;
    c.trace(std::string(toBlack ? "screen fades out" : "screen fades in") + " over " +
            std::to_string(f.durationMs) + " ms");
}

} // namespace

void RegisterCameraNatives(NativeTable& t) {
    t.add(0x40c23491ce83708e, "CREATE_CAM_WITH_PARAMS",
          "const char*,float,float,float,float,float,float,float,BOOL,int", [](Call& c) {
              if (!c.s(0)) return c.sim.fault("CREATE_CAM_WITH_PARAMS without a camera name");
              Cameras& cams = c.w.cameras;
              const int32_t handle = cams.nextHandle++;
              Camera& cam = cams.all[handle];
              cam.name = c.s(0);
              cam.position = c.vec(1);
              cam.fieldOfView = c.f(7);
              cam.active = c.b(8);
              c.sim.trace("camera #" + std::to_string(handle) + " created");
              c.r.setInt(handle);
          });
    t.add(0x4e67e0b6d7fd5145, "DESTROY_CAM", "Cam,BOOL", [](Call& c) {
        if (c.w.cameras.all.erase(c.i(0)))
            c.sim.trace("camera #" + std::to_string(c.i(0)) + " destroyed");
    });
    t.add(0x948b39341c3a40c2, "POINT_CAM_AT_COORD", "Cam,float,float,float", [](Call& c) {
        if (Camera* cam = Find(c.sim, c.i(0), "POINT_CAM_AT_COORD")) {
            cam->pointed = true;
            cam->target = c.vec(1);
        }
    });
    // A camera already destroyed is left alone, as the game does.
    t.add(0x87295bca613800c8, "SET_CAM_ACTIVE", "Cam,BOOL", [](Call& c) {
        if (Camera* cam = c.w.cameras.find(c.i(0))) cam->active = c.b(1);
    });
    t.add(0x33281167e4942e4f, "RENDER_SCRIPT_CAMS", "BOOL,BOOL,int,BOOL,BOOL,int", [](Call& c) {
        Cameras& cams = c.w.cameras;
        if (cams.rendering != c.b(0))
            c.sim.trace(c.b(0) ? "scripted cameras on" : "scripted cameras off");
        cams.rendering = c.b(0);
    });
    t.add(0x40c719a5e410b9e4, "DO_SCREEN_FADE_OUT", "int", [](Call& c) { StartFade(c, true); });
    t.add(0x6a053cf596f67df7, "DO_SCREEN_FADE_IN", "int", [](Call& c) { StartFade(c, false); });
    t.add(0xce7a90b160f75046, "SET_CINEMATIC_MODE_ACTIVE", "BOOL",
          [](Call& c) { c.w.effects.cinematic = c.b(0); });
}

} // namespace sim
