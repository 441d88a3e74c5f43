#pragma once
#include "scenario/Scenario.h"

namespace sim {

void RegisterSetupCommands(CommandRegistry& r);     // file, delete, plugins
void RegisterDriveCommands(CommandRegistry& r);     // frames, seconds, key
void RegisterExpectCommands(CommandRegistry& r);    // expect log/no-log/file/no-fault
void RegisterEventCommands(CommandRegistry& r);     // event, event-raw, game-event, expect event
void RegisterHudCommands(CommandRegistry& r);       // expect text/message/help/toast, snapshot
void RegisterControlCommands(CommandRegistry& r);   // control
void RegisterInventoryCommands(CommandRegistry& r); // player cash/item, expect cash/item
void RegisterStreamingCommands(CommandRegistry& r); // stream never

} // namespace sim
