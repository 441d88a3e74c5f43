#include "core/natives/Radar.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kDisplayRadar{0x1b3da717b9aff828, "DISPLAY_RADAR", "BOOL"};
} // namespace

void ShowRadar(bool shown) {
    Invoke(kDisplayRadar, shown);
}

} // namespace corvale
