#pragma once
#include "NativeTable.h"

namespace sim {

void RegisterMiscNatives(NativeTable& table);   // hashes, text, game timer, random
void RegisterPlayerNatives(NativeTable& table); // the player's ped and index
void RegisterEntityNatives(NativeTable& table); // positions, facing, life and removal of entities
void RegisterDeveloperNatives(NativeTable& table); // debug tools and the throw sampler
void RegisterDistanceNatives(NativeTable& table);  // distances between points
void RegisterGroundNatives(NativeTable& table);    // ground height, safe coordinates, map zones
void RegisterStreamingNatives(NativeTable& table); // models and texture dictionaries
void RegisterPedNatives(NativeTable& table);       // creation, relationships, speech, nearby peds
void RegisterObjectNatives(NativeTable& table);    // object creation and placing
void RegisterPropsetNatives(NativeTable& table);   // prop sets
void RegisterAnimationNatives(NativeTable& table); // animation dictionaries and animations
void RegisterWeaponNatives(NativeTable& table);    // weapons owned and held, impact points
void RegisterInventoryNatives(NativeTable& table); // the player's inventory
void RegisterPromptNatives(NativeTable& table);    // control prompts
void RegisterEventNatives(NativeTable& table);     // event queues: script and game events
void RegisterHudNatives(NativeTable& table);       // screen text, sprites, messages, feed, contexts
void RegisterControlNatives(NativeTable& table);   // game controls
void RegisterAudioNatives(NativeTable& table);     // frontend sounds
void RegisterMoneyNatives(NativeTable& table);     // the player's cash
void RegisterCameraNatives(NativeTable& table);    // scripted cameras
void RegisterTaskNatives(NativeTable& table);      // scenario tasks, combat, pace
void RegisterVehicleNatives(NativeTable& table);   // vehicles and their prop sets

} // namespace sim
