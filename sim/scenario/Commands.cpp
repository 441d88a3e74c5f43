#include "scenario/Commands.h"

namespace sim {

void RegisterAllCommands(CommandRegistry& r) {
    RegisterSetupCommands(r);
    RegisterDriveCommands(r);
    RegisterExpectCommands(r);
    RegisterEventCommands(r);
}

} // namespace sim
