#include "core/natives/TextureDictionaries.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kRequestStreamedTextureDict{
    0xc1ba29df5631b0f8, "REQUEST_STREAMED_TEXTURE_DICT", "const char*,BOOL"};
constexpr native::Native kHasStreamedTextureDictLoaded{
    0x54d6900929ccf162, "HAS_STREAMED_TEXTURE_DICT_LOADED", "const char*"};
} // namespace

void RequestTextureDict(const char* dict) {
    Invoke(kRequestStreamedTextureDict, dict, false);
}

bool TextureDictLoaded(const char* dict) {
    return Invoke<bool>(kHasStreamedTextureDictLoaded, dict);
}

} // namespace corvale
