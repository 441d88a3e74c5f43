#include "core/natives/HudText.h"

namespace corvale {

namespace {
constexpr uint64_t kSetTextScale = 0xa1253a3c870b6843;
constexpr uint64_t kVarString = 0xfa925ac00eb830b9;
constexpr int32_t kColourStringFlags = 42;
} // namespace

void SetTextScale(float x, float y) {
    Invoke(kSetTextScale, x, y);
}

uint64_t ColouredText(uint64_t text) {
    return Invoke<uint64_t>(kVarString, kColourStringFlags, "COLOR_STRING", 0, native::Raw64{text});
}

} // namespace corvale
