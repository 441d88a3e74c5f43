#pragma once
// Platform seams: the only way plug-in code reads the tick count, calendar time, local time
// and the C random generator, so the simulator can drive them.
#include <cstdint>
#include <ctime>

namespace corvale::platform {

uint32_t TickCount();              // milliseconds since the system started
int64_t CalendarTime();            // whole seconds of wall-clock calendar time
std::tm LocalTime(int64_t calendar);
void SeedRandom(uint32_t seed);
int Random();                      // 0 to RAND_MAX

} // namespace corvale::platform
