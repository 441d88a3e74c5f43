#pragma once
#include "NativeTable.h"

namespace sim {

void RegisterStringNatives(NativeTable& table); // hashes of names, text handles
void RegisterRandomNatives(NativeTable& table); // the game's random numbers
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
void RegisterVehicleNatives(NativeTable& table);   // vehicles, seats, draft horses, prop sets
void RegisterSequenceNatives(NativeTable& table);  // task sequences and task status
void RegisterCombatNatives(NativeTable& table);    // who fights whom, how peds fight
void RegisterGroupNatives(NativeTable& table);     // ped groups and item sets
void RegisterPerceptionNatives(NativeTable& table);      // sight, noise, recent AI events
void RegisterClockWeatherNatives(NativeTable& table);    // game clock, wind, rain, timers
void RegisterBlipNatives(NativeTable& table);            // blips on entities, points and radii
void RegisterNavigationNatives(NativeTable& table);      // the navigation mesh
void RegisterDoorNatives(NativeTable& table);            // doors and interiors
void RegisterScreenEffectNatives(NativeTable& table);    // fades, HUD, radar, post effects
void RegisterItemInteractionNatives(NativeTable& table); // items in a ped's hands
void RegisterLawNatives(NativeTable& table);             // wanted score, crimes, dispatch
void RegisterPedConfigNatives(NativeTable& table);       // what only configures a ped
void RegisterMountNatives(NativeTable& table);           // horses ridden

} // namespace sim
