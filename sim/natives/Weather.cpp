// Wind and rain.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterWeatherNatives(NativeTable& t) {
    t.add(0xffb7e74e041150a4, "GET_WIND_SPEED", "", [](Call& c) { c.r.setFloat(c.w.wind); });
    t.add(0x931b5f4cc130224b, "GET_RAIN_LEVEL", "", [](Call& c) { c.r.setFloat(c.w.rain); });
}

} // namespace sim
