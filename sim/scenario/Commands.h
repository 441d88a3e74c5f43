#pragma once
#include "scenario/Scenario.h"

namespace sim {

void RegisterSetupCommands(CommandRegistry& r);       // file, delete, plugins
void RegisterDriveCommands(CommandRegistry& r);       // frames, seconds, key
void RegisterExpectCommands(CommandRegistry& r);      // expect log/no-log/file/no-fault
void RegisterPlayerCommands(CommandRegistry& r);      // player at/weapon/dead/combat/impact
void RegisterStreamCommands(CommandRegistry& r);      // stream never/missing
void RegisterPromptCommands(CommandRegistry& r);      // prompt, expect prompt
void RegisterWorldExpectCommands(CommandRegistry& r); // expect peds/message
void RegisterEventCommands(CommandRegistry& r);       // event, event-raw, game-event, expect event
void RegisterHudCommands(CommandRegistry& r);         // expect text/sprite/sound..., snapshot
void RegisterControlCommands(CommandRegistry& r);     // control
void RegisterInventoryCommands(CommandRegistry& r);   // player cash/item, expect cash/item
void RegisterCameraCommands(CommandRegistry& r);      // expect camera
void RegisterCampCommands(CommandRegistry& r); // the camp side's world: seats, enemies, walls...
void RegisterCampExpectCommands(CommandRegistry& r); // expect owned/blips/pool/screen/budget...
void RegisterLawCommands(CommandRegistry& r);        // player target/interior/zone, lawman
void RegisterGameCommands(CommandRegistry& r);       // restart, rules on
void RegisterRandomCommands(CommandRegistry& r);     // random

} // namespace sim
