// Scripted cameras: created with their place and lens, pointed, made active, rendered through.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {

Camera* Find(Simulator& sim, int32_t handle, const char* native) {
    Camera* c = sim.world().cameras.find(handle);
    if (!c) sim.fault(std::string(native) + " of unknown camera " + std::to_string(handle));
    return c;
}

} // namespace

void RegisterCameraNatives(NativeTable& t) {
    t.add(0x40c23491ce83708e, "CREATE_CAM_WITH_PARAMS",
          "const char*,float,float,float,float,float,float,float,BOOL,int",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              if (!a.s(0)) return sim.fault("CREATE_CAM_WITH_PARAMS without a camera name");
              Cameras& cams = sim.world().cameras;
              const int32_t handle = cams.nextHandle++;
              Camera& c = cams.all[handle];
              c.name = a.s(0);
              c.position = a.vec(1);
              c.fieldOfView = a.f(7);
              c.active = a.b(8);
              sim.trace("camera #" + std::to_string(handle) + " created");
              r.setInt(handle);
          });
    t.add(0x4e67e0b6d7fd5145, "DESTROY_CAM", "Cam,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (sim.world().cameras.all.erase(a.i(0)))
                  sim.trace("camera #" + std::to_string(a.i(0)) + " destroyed");
          });
    t.add(0x948b39341c3a40c2, "POINT_CAM_AT_COORD", "Cam,float,float,float",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Camera* c = Find(sim, a.i(0), "POINT_CAM_AT_COORD")) {
                  c->pointed = true;
                  c->target = a.vec(1);
              }
          });
    // A camera already destroyed is left alone, as the game does.
    t.add(0x87295bca613800c8, "SET_CAM_ACTIVE", "Cam,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Camera* c = sim.world().cameras.find(a.i(0))) c->active = a.b(1);
          });
    t.add(0x33281167e4942e4f, "RENDER_SCRIPT_CAMS", "BOOL,BOOL,int,BOOL,BOOL,int",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              Cameras& cams = sim.world().cameras;
              if (cams.rendering != a.b(0))
                  sim.trace(a.b(0) ? "scripted cameras on" : "scripted cameras off");
              cams.rendering = a.b(0);
          });
}

} // namespace sim
