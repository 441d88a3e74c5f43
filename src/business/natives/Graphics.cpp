// Texture dictionaries and sprites.
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

namespace {
constexpr uint64_t kHasStreamedTextureDictLoaded = 0x54d6900929ccf162;
constexpr uint64_t kRequestStreamedTextureDict = 0xc1ba29df5631b0f8;
constexpr uint64_t kDrawSprite = 0xc9884ecade94cb34;
} // namespace

bool IsTextureDictLoaded(const char* dict) {
    return Invoke<bool>(kHasStreamedTextureDictLoaded, dict);
}

void RequestTextureDict(const char* dict) {
    Invoke(kRequestStreamedTextureDict, dict, false);
}

void DrawScreenSprite(const char* dict, const char* texture, float x, float y, float w, float h,
                      int32_t r, int32_t g, int32_t b, int32_t a) {
    Invoke(kDrawSprite, dict, texture, x, y, w, h, 0.0f, r, g, b, a, false);
}

} // namespace corvale::business
