#pragma once
#include "NativeTable.h"

namespace sim {

void RegisterStringNatives(NativeTable& table); // hashes of names, text handles
void RegisterRandomNatives(NativeTable& table); // the game's random numbers
void RegisterPlayerNatives(NativeTable& table); // the player's ped and index, arrest, death, noise
void RegisterEntityNatives(NativeTable& table); // positions, facing, life and removal of entities
void RegisterDeveloperNatives(NativeTable& table); // debug tools
void RegisterDistanceNatives(NativeTable& table);  // distances between points
void RegisterGroundNatives(NativeTable& table);    // ground height, safe coordinates, map zones
void RegisterModelNatives(NativeTable& table);     // models
void RegisterTextureDictionaryNatives(NativeTable& table); // texture dictionaries
void RegisterMapDataNatives(NativeTable& table);           // map data sets
void RegisterPedNatives(NativeTable& table);          // creation, set-up, speech, scenarios, mounts
void RegisterObjectNatives(NativeTable& table);       // object creation, placing and turning
void RegisterPropsetNatives(NativeTable& table);      // prop sets
void RegisterAnimationNatives(NativeTable& table);    // animation dictionaries and animations
void RegisterWeaponNatives(NativeTable& table);       // weapons owned and held, impact points
void RegisterInventoryNatives(NativeTable& table);    // the player's inventory
void RegisterPromptStepNatives(NativeTable& table);   // control prompts
void RegisterScriptEventNatives(NativeTable& table);  // event queues: script and game events
void RegisterAiEventNatives(NativeTable& table);      // AI events peds noticed
void RegisterHudTextNatives(NativeTable& table);      // screen text and sprites
void RegisterFeedNatives(NativeTable& table);         // the message box and the feed
void RegisterHudContextNatives(NativeTable& table);   // HUD contexts
void RegisterControlNatives(NativeTable& table);      // game controls
void RegisterMusicNatives(NativeTable& table);        // music events
void RegisterAudioNatives(NativeTable& table);        // frontend sounds, ped voices
void RegisterMoneyNatives(NativeTable& table);        // the player's cash
void RegisterCameraNatives(NativeTable& table);       // scripted cameras, fades, cinematic bars
void RegisterTaskNatives(NativeTable& table);         // tasks given to peds, their status
void RegisterVehicleNatives(NativeTable& table);      // vehicles, seats, draft horses, prop sets
void RegisterSequenceNatives(NativeTable& table);     // task sequences
void RegisterCombatNatives(NativeTable& table);       // who fights whom, shots and throws
void RegisterGroupNatives(NativeTable& table);        // ped groups
void RegisterItemSetNatives(NativeTable& table);      // item sets
void RegisterSenseNatives(NativeTable& table);        // sight, crouch, cover, blackboard
void RegisterDecorationNatives(NativeTable& table);   // named values on entities
void RegisterGameClockNatives(NativeTable& table);    // game timer, clock, frame time
void RegisterWeatherNatives(NativeTable& table);      // wind and rain
void RegisterScriptNatives(NativeTable& table);       // the script's timers
void RegisterBlipNatives(NativeTable& table);         // blips on entities, points and radii
void RegisterNavmeshNatives(NativeTable& table);      // the navigation mesh
void RegisterDoorNatives(NativeTable& table);         // doors and interiors
void RegisterRadarNatives(NativeTable& table);        // the radar
void RegisterScreenEffectNatives(NativeTable& table); // the HUD, post effects
void RegisterItemInteractionNatives(NativeTable& table); // items in a ped's hands
void RegisterMissionNatives(NativeTable& table);         // the mission flag
void RegisterLawNatives(NativeTable& table);             // wanted score, crimes, dispatch

} // namespace sim
