#include "scenario/Commands.h"

namespace sim {

void RegisterAllCommands(CommandRegistry& r) {
    RegisterSetupCommands(r);
    RegisterDriveCommands(r);
    RegisterExpectCommands(r);
    RegisterPlayerCommands(r);
    RegisterStreamCommands(r);
    RegisterPromptCommands(r);
    RegisterWorldExpectCommands(r);
    RegisterEventCommands(r);
    RegisterHudCommands(r);
    RegisterControlCommands(r);
    RegisterInventoryCommands(r);
    RegisterCameraCommands(r);
    RegisterCampCommands(r);
    RegisterCampExpectCommands(r);
    RegisterLawCommands(r);
    RegisterGameCommands(r);
    RegisterRandomCommands(r);
}

} // namespace sim
