// Scripted cameras.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {

Camera* Find(Simulator& sim, int32_t handle, const char* what) {
    Camera* c = sim.world().cameras.find(handle);
    if (!c) sim.fault(std::string(what) + " on an unknown camera " + std::to_string(handle));
    return c;
}

} // namespace

void RegisterCameraNatives(NativeTable& t) {
    t.add(0x40c23491ce83708e, "CREATE_CAM_WITH_PARAMS",
          "const char*,float,float,float,float,float,float,float,BOOL,int",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              Cameras& cams = sim.world().cameras;
              const int32_t handle = cams.nextHandle++;
              Camera c;
              c.name = a.s(0) ? a.s(0) : "";
              c.x = a.f(1), c.y = a.f(2), c.z = a.f(3);
              c.fieldOfView = a.f(7);
              c.active = a.b(8);
              cams.all[handle] = c;
              sim.trace("camera " + std::to_string(handle) + " created");
              r.setInt(handle);
          });
    t.add(0x4e67e0b6d7fd5145, "DESTROY_CAM", "Cam,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              Cameras& cams = sim.world().cameras;
              if (cams.all.erase(a.i(0)))
                  sim.trace("camera " + std::to_string(a.i(0)) + " destroyed");
              if (cams.all.empty()) cams.rendering = false;
          });
    t.add(0x948b39341c3a40c2, "POINT_CAM_AT_COORD", "Cam,float,float,float",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Camera* c = Find(sim, a.i(0), "point camera")) {
                  c->pointed = true;
                  c->targetX = a.f(1), c->targetY = a.f(2), c->targetZ = a.f(3);
              }
          });
    // Setting a destroyed camera is a no-op in the game.
    t.add(0x87295bca613800c8, "SET_CAM_ACTIVE", "Cam,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Camera* c = sim.world().cameras.find(a.i(0))) c->active = a.b(1);
          });
    t.add(0x33281167e4942e4f, "RENDER_SCRIPT_CAMS", "BOOL,BOOL,int,BOOL,BOOL,int",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              sim.world().cameras.rendering = a.b(0);
          });
}

} // namespace sim
