#include "core/natives/Weather.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kGetWindSpeed{0xffb7e74e041150a4, "GET_WIND_SPEED", ""};
constexpr native::Native kGetRainLevel{0x931b5f4cc130224b, "GET_RAIN_LEVEL", ""};
} // namespace

float WindSpeed() {
    return Invoke<float>(kGetWindSpeed);
}

float RainLevel() {
    return Invoke<float>(kGetRainLevel);
}

} // namespace corvale
