#pragma once
// Frontend sounds (menu clicks and purchases, played by name within a sound set) and the
// voices peds speak in.
#include "core/natives/Handles.h"

namespace corvale {

void PlaySoundFrontend(const char* sound, const char* soundSet);
void StopSoundByName(const char* sound, const char* soundSet);
// The voice a ped speaks its ambient lines in.
void SetAmbientVoice(Ped ped, const char* voice);

} // namespace corvale
