#include "core/natives/Audio.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kPlaySoundFrontend = 0x67c540aa08e4a6f5;
constexpr uint64_t kStopSoundWithName = 0x0f2a2175734926d8;
constexpr uint64_t kSetAmbientVoiceName = 0x6c8065a3b780185b;
} // namespace

void PlaySoundFrontend(const char* sound, const char* soundSet) {
    Invoke(kPlaySoundFrontend, sound, soundSet, true, 0);
}

void StopSoundByName(const char* sound, const char* soundSet) {
    Invoke(kStopSoundWithName, sound, soundSet);
}

void SetAmbientVoice(Ped ped, const char* voice) {
    Invoke(kSetAmbientVoiceName, ped, voice);
}

} // namespace corvale
