#include "core/platform/Platform.h"

#include "host/HostApi.h"

namespace corvale::platform {

uint32_t TickCount() { return host::Api().tickCount(); }
int64_t CalendarTime() { return host::Api().calendarTime(); }
std::tm LocalTime(int64_t calendar) {
    std::tm out{};
    host::Api().localTime(calendar, &out);
    return out;
}
void SeedRandom(uint32_t seed) { host::Api().seedRandom(seed); }
int Random() { return host::Api().random(); }

} // namespace corvale::platform
