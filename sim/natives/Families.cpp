// Every family of native handlers, mirroring the bridge's wrapper families.
#include "natives/Families.h"

namespace sim {

void RegisterAllNatives(NativeTable& table) {
    RegisterMiscNatives(table);
    RegisterPlayerNatives(table);
    RegisterEntityNatives(table);
    RegisterDeveloperNatives(table);
    RegisterEventNatives(table);
}

} // namespace sim
