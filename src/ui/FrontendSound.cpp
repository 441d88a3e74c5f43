#include "ui/FrontendSound.h"

#include "ui/HudNatives.h"

namespace corvale {

void PlayFrontendSound(const char* soundSet, const char* sound) {
    StopSoundByName(sound, soundSet);
    PlaySoundFrontend(sound, soundSet);
}

} // namespace corvale
