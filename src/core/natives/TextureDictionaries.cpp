#include "core/natives/TextureDictionaries.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kRequestStreamedTextureDict = 0xc1ba29df5631b0f8;
constexpr uint64_t kHasStreamedTextureDictLoaded = 0x54d6900929ccf162;
} // namespace

void RequestTextureDict(const char* dict) {
    Invoke(kRequestStreamedTextureDict, dict, false);
}

bool TextureDictLoaded(const char* dict) {
    return Invoke<bool>(kHasStreamedTextureDictLoaded, dict);
}

} // namespace corvale
