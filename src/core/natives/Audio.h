#pragma once
// Frontend sounds: menu clicks and purchases, played by name within a sound set.
namespace corvale {

void PlaySoundFrontend(const char* sound, const char* soundSet);
void StopSoundByName(const char* sound, const char* soundSet);

} // namespace corvale
