// The game's random numbers, from the simulator's own sequence.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterRandomNatives(NativeTable& t) {
    // min <= result < max, as the callers rely on; a scenario may fix the next answers
    t.add(0xd53343aa4fb7dd28, "GET_RANDOM_INT_IN_RANGE", "int,int", [](Call& c) {
        const int32_t lo = c.i(0), hi = c.i(1);
        int32_t fixed = 0;
        if (c.sim.world().draws.take(lo, hi, fixed)) {
            c.sim.trace("random: " + std::to_string(fixed) + " of [" + std::to_string(lo) + ", " +
                        std::to_string(hi) + "), as the scenario fixed it");
            return c.r.setInt(fixed);
        }
        if (hi <= lo) return c.r.setInt(lo);
        c.r.setInt(lo + static_cast<int32_t>(c.sim.nextRandom() % static_cast<uint32_t>(hi - lo)));
    });
    t.add(0xe29f927a961f8aaa, "GET_RANDOM_FLOAT_IN_RANGE", "float,float", [](Call& c) {
        const float unit = static_cast<float>(c.sim.nextRandom() >> 8) / 16777216.0f;
        c.r.setFloat(c.f(0) + (c.f(1) - c.f(0)) * unit);
    });
}

} // namespace sim
