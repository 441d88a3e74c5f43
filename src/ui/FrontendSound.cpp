#include "ui/FrontendSound.h"

#include "core/natives/Audio.h"

namespace corvale {

void PlayFrontendSound(const char* soundSet, const char* sound) {
    StopSoundByName(sound, soundSet);
    PlaySoundFrontend(sound, soundSet);
}

} // namespace corvale
