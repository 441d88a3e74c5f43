// The game timer, the clock and the frame time.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterGameClockNatives(NativeTable& t) {
    t.add(0x4f67e8eca7d3f667, "GET_GAME_TIMER", "", [](Call& c) { c.r.setInt(c.w.gameTimer); });
    t.add(0xc82cf208c2b19199, "GET_CLOCK_HOURS", "",
          [](Call& c) { c.r.setInt(c.w.clock.hour(c.w.gameTimer)); });
    t.add(0x0184750ae88d0b1d, "ADVANCE_CLOCK_TIME_TO", "int,int,int", [](Call& c) {
        if (c.i(0) < 0 || c.i(0) > 23 || c.i(1) < 0 || c.i(1) > 59 || c.i(2) < 0 || c.i(2) > 59)
            return c.fault("no such time of day");
        c.w.clock.advanceTo(c.i(0), c.i(1), c.i(2), c.w.gameTimer);
        c.trace("clock advanced to " + std::to_string(c.i(0)) + ":" + std::to_string(c.i(1)));
    });
    t.add(0x78fd8be812e436b2, "_GET_SECONDS_SINCE_BASE_YEAR", "",
          [](Call& c) { c.r.setInt(static_cast<int32_t>(c.w.clock.seconds(c.w.gameTimer))); });
    t.add(0x5e72022914ce3c38, "GET_FRAME_TIME", "",
          [](Call& c) { c.r.setFloat(static_cast<float>(c.w.frameMs) / 1000.0f); });
}

} // namespace sim
