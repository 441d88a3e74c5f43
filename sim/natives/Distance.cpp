// Distances between points.
#include "Simulator.h"
#include "natives/Families.h"

#include <cmath>

namespace sim {

void RegisterDistanceNatives(NativeTable& t) {
    t.add(0x0be7f4e3cdbafb28, "GET_DISTANCE_BETWEEN_COORDS",
          "float,float,float,float,float,float,BOOL",
          [](Simulator&, const NativeArgs& a, NativeResult& r) {
              const float dx = a.f(0) - a.f(3), dy = a.f(1) - a.f(4);
              const float dz = a.b(6) ? a.f(2) - a.f(5) : 0.0f;
              r.setFloat(std::sqrt(dx * dx + dy * dy + dz * dz));
          });
}

} // namespace sim
