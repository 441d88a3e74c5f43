// Every family of native handlers, mirroring the bridge's wrapper families.
#include "natives/Families.h"

namespace sim {

void RegisterAllNatives(NativeTable& table) {
    RegisterMiscNatives(table);
    RegisterPlayerNatives(table);
    RegisterEntityNatives(table);
    RegisterEventNatives(table);
    RegisterHudNatives(table);
    RegisterControlNatives(table);
    RegisterAudioNatives(table);
    RegisterStreamingNatives(table);
    RegisterMoneyNatives(table);
}

} // namespace sim
