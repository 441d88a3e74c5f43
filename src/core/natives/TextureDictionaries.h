#pragma once
// Streamed texture dictionaries (sprites, blip icons); the caller decides how long to wait.
namespace corvale {

void RequestTextureDict(const char* dict);
bool TextureDictLoaded(const char* dict);

} // namespace corvale
