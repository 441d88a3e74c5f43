#pragma once
// One-shot interface sounds.

namespace corvale {

// Plays a sound of a sound set, restarting it when it is still playing.
void PlayFrontendSound(const char* soundSet, const char* sound);

} // namespace corvale
