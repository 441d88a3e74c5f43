// Sprites (their texture dictionaries are streamed through the bridge).
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

namespace {
constexpr uint64_t kDrawSprite = 0xc9884ecade94cb34;
} // namespace

void DrawScreenSprite(const char* dict, const char* texture, float x, float y, float w, float h,
                      int32_t r, int32_t g, int32_t b, int32_t a) {
    Invoke(kDrawSprite, dict, texture, x, y, w, h, 0.0f, r, g, b, a, false);
}

} // namespace corvale::business
