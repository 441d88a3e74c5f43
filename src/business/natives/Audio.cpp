// Front-end sounds of the still menu.
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

namespace {
constexpr uint64_t kPlaySoundFrontend = 0x67c540aa08e4a6f5;
} // namespace

void PlayFrontendSound(const char* sound, const char* soundSet) {
    Invoke(kPlaySoundFrontend, sound, soundSet, true, 0);
}

} // namespace corvale::business
