#pragma once
#include "NativeTable.h"

namespace sim {

void RegisterMiscNatives(NativeTable& table);   // hashes, text, game timer, random
void RegisterPlayerNatives(NativeTable& table); // the player's ped and index
void RegisterEntityNatives(NativeTable& table); // positions of entities, distances
void RegisterPromptNatives(NativeTable& table); // control prompts
void RegisterHudNatives(NativeTable& table);    // HUD contexts, screen text
void RegisterGraphicsNatives(NativeTable& table); // texture dictionaries, sprites
void RegisterCameraNatives(NativeTable& table); // scripted cameras
void RegisterAudioNatives(NativeTable& table);  // front-end sounds
void RegisterPadNatives(NativeTable& table);    // game controls
void RegisterMoneyNatives(NativeTable& table);  // cash and inventory
void RegisterPedNatives(NativeTable& table);    // ped visibility, scenario tasks, combat, pace
void RegisterStreamingNatives(NativeTable& table); // models, vehicles
void RegisterEventNatives(NativeTable& table);  // the script event queue

// The streaming key of a model hash: the hashed name when known.
std::string ModelKey(const World& w, uint32_t model);

} // namespace sim
