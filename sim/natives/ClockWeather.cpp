// The game timer and clock, wind and rain, the frame time and the script timer B.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterClockWeatherNatives(NativeTable& t) {
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
    t.add(0xffb7e74e041150a4, "GET_WIND_SPEED", "", [](Call& c) { c.r.setFloat(c.w.wind); });
    t.add(0x931b5f4cc130224b, "GET_RAIN_LEVEL", "", [](Call& c) { c.r.setFloat(c.w.rain); });
    t.add(0x5e72022914ce3c38, "GET_FRAME_TIME", "",
          [](Call& c) { c.r.setFloat(static_cast<float>(c.w.frameMs) / 1000.0f); });
    t.add(0xc9d9444186b5a374, "TIMERB", "",
          [](Call& c) { c.r.setInt(c.w.gameTimer - c.w.timerBBase); });
    t.add(0x5ae11bc36633de4e, "SETTIMERB", "int",
          [](Call& c) { c.w.timerBBase = c.w.gameTimer - c.i(0); });
}

} // namespace sim
