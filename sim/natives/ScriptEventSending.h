#pragma once
// Sending into the game's event queues, shared by the natives and the scenario commands.
#include "world/Events.h"

#include <string>

namespace sim {

class Simulator;

// A script event as the game takes it: copies size x 8 bytes from data, queues it in group
// for the next frame, records and traces it. A negative size or a missing buffer is a fault.
void SendScriptEvent(Simulator& sim, int32_t group, const void* data, int32_t size,
                     const std::string& sender);

// The game hash the game gives every script event as its type.
uint32_t ScriptEventType();

} // namespace sim
