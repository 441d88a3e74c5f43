#pragma once
#include "NativeTable.h"

namespace sim {

void RegisterMiscNatives(NativeTable& table);      // hashes, text, game timer, random
void RegisterPlayerNatives(NativeTable& table);    // the player's ped and index
void RegisterEntityNatives(NativeTable& table);    // positions of entities
void RegisterEventNatives(NativeTable& table);     // event queues: script and game events
void RegisterHudNatives(NativeTable& table);       // screen text, sprites, messages, feed
void RegisterControlNatives(NativeTable& table);   // game controls
void RegisterAudioNatives(NativeTable& table);     // frontend sounds
void RegisterStreamingNatives(NativeTable& table); // texture dictionaries
void RegisterMoneyNatives(NativeTable& table);     // the player's cash

} // namespace sim
