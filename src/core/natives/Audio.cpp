#include "core/natives/Audio.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kPlaySoundFrontend{0x67c540aa08e4a6f5, "PLAY_SOUND_FRONTEND",
                                            "const char*,const char*,BOOL,Any"};
constexpr native::Native kStopSoundWithName{0x0f2a2175734926d8, "_STOP_SOUND_WITH_NAME",
                                            "const char*,const char*"};
constexpr native::Native kSetAmbientVoiceName{0x6c8065a3b780185b, "SET_AMBIENT_VOICE_NAME",
                                              "Ped,const char*"};
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
