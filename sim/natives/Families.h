#pragma once
#include "NativeTable.h"

namespace sim {

void RegisterMiscNatives(NativeTable& table);   // hashes, text, game timer, random
void RegisterPlayerNatives(NativeTable& table); // the player's ped and index
void RegisterEntityNatives(NativeTable& table); // positions of entities
void RegisterDeveloperNatives(NativeTable& table); // debug tools and the throw sampler
void RegisterEventNatives(NativeTable& table);  // event queues: script and game events

} // namespace sim
