#include "core/natives/Weather.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kGetWindSpeed = 0xffb7e74e041150a4;
constexpr uint64_t kGetRainLevel = 0x931b5f4cc130224b;
} // namespace

float WindSpeed() {
    return Invoke<float>(kGetWindSpeed);
}

float RainLevel() {
    return Invoke<float>(kGetRainLevel);
}

} // namespace corvale
