#pragma once
#include "NativeTable.h"

namespace sim {

void RegisterStringNatives(NativeTable& table); // hashes of names, text handles
void RegisterRandomNatives(NativeTable& table); // the game's random numbers
void RegisterPlayerNatives(NativeTable& table); // the player's ped and index, arrest, death
void RegisterEntityNatives(NativeTable& table); // positions, facing, life and removal of entities
void RegisterDeveloperNatives(NativeTable& table); // debug tools and the throw sampler
void RegisterDistanceNatives(NativeTable& table);  // distances between points
void RegisterGroundNatives(NativeTable& table);    // ground height, safe coordinates, map zones
void RegisterModelNatives(NativeTable& table);     // models
void RegisterTextureDictionaryNatives(NativeTable& table); // texture dictionaries
void RegisterMapDataNatives(NativeTable& table);           // map data sets
void RegisterPedNatives(NativeTable& table);         // creation, relationships, speech, nearby peds
void RegisterObjectNatives(NativeTable& table);      // object creation and placing
void RegisterPropsetNatives(NativeTable& table);     // prop sets
void RegisterAnimationNatives(NativeTable& table);   // animation dictionaries and animations
void RegisterWeaponNatives(NativeTable& table);      // weapons owned and held, impact points
void RegisterInventoryNatives(NativeTable& table);   // the player's inventory
void RegisterPromptStepNatives(NativeTable& table);  // control prompts
void RegisterScriptEventNatives(NativeTable& table); // event queues: script and game events
void RegisterHudTextNatives(NativeTable& table);     // screen text and sprites
void RegisterFeedNatives(NativeTable& table);        // the message box and the feed
void RegisterHudContextNatives(NativeTable& table);  // HUD contexts
void RegisterControlNatives(NativeTable& table);     // game controls
void RegisterMusicNatives(NativeTable& table);       // music events
void RegisterAudioNatives(NativeTable& table);       // frontend sounds
void RegisterMoneyNatives(NativeTable& table);       // the player's cash
void RegisterCameraNatives(NativeTable& table);      // scripted cameras, fades, cinematic bars
void RegisterTaskNatives(NativeTable& table);        // scenario tasks, combat, pace
void RegisterVehicleNatives(NativeTable& table);     // vehicles, seats, draft horses, prop sets
void RegisterSequenceNatives(NativeTable& table);    // task sequences and task status
void RegisterCombatNatives(NativeTable& table);      // who fights whom, how peds fight
void RegisterGroupNatives(NativeTable& table);       // ped groups
void RegisterItemSetNatives(NativeTable& table);     // item sets
void RegisterPerceptionNatives(NativeTable& table);  // sight, noise, recent AI events
void RegisterGameClockNatives(NativeTable& table);   // game timer, clock, frame time
void RegisterWeatherNatives(NativeTable& table);     // wind and rain
void RegisterScriptNatives(NativeTable& table);      // the script's timer
void RegisterBlipNatives(NativeTable& table);        // blips on entities, points and radii
void RegisterNavmeshNatives(NativeTable& table);     // the navigation mesh
void RegisterDoorNatives(NativeTable& table);        // doors and interiors
void RegisterRadarNatives(NativeTable& table);            // the radar
void RegisterScreenEffectNatives(NativeTable& table);    // the HUD, post effects
void RegisterItemInteractionNatives(NativeTable& table); // items in a ped's hands
void RegisterMissionNatives(NativeTable& table);         // the mission flag
void RegisterLawNatives(NativeTable& table);             // wanted score, crimes, dispatch
void RegisterPedConfigNatives(NativeTable& table);       // what only configures a ped
void RegisterMountNatives(NativeTable& table);           // horses ridden

} // namespace sim
