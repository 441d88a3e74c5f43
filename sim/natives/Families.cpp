// Every family of native handlers, mirroring the bridge's wrapper families.
#include "natives/Families.h"

namespace sim {

void RegisterAllNatives(NativeTable& table) {
    RegisterMiscNatives(table);
    RegisterPlayerNatives(table);
    RegisterEntityNatives(table);
    RegisterPromptNatives(table);
    RegisterHudNatives(table);
    RegisterGraphicsNatives(table);
    RegisterCameraNatives(table);
    RegisterAudioNatives(table);
    RegisterPadNatives(table);
    RegisterMoneyNatives(table);
    RegisterPedNatives(table);
    RegisterStreamingNatives(table);
    RegisterEventNatives(table);
}

} // namespace sim
