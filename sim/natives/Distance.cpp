// Distances between points.
#include "Simulator.h"
#include "natives/Families.h"

#include <cmath>

namespace sim {

void RegisterDistanceNatives(NativeTable& t) {
    t.add(0x0be7f4e3cdbafb28, "GET_DISTANCE_BETWEEN_COORDS",
          "float,float,float,float,float,float,BOOL", [](Call& c) {
              const float dx = c.f(0) - c.f(3), dy = c.f(1) - c.f(4);
              const float dz = c.b(6) ? c.f(2) - c.f(5) : 0.0f;
              c.r.setFloat(std::sqrt(dx * dx + dy * dy + dz * dz));
          });
}

} // namespace sim
