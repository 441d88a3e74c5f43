#include "scenario/Commands.h"

namespace sim {

void RegisterAllCommands(CommandRegistry& r) {
    RegisterSetupCommands(r);
    RegisterDriveCommands(r);
    RegisterExpectCommands(r);
    RegisterEventCommands(r);
    RegisterHudCommands(r);
    RegisterControlCommands(r);
    RegisterInventoryCommands(r);
    RegisterStreamingCommands(r);
}

} // namespace sim
