#pragma once
// Clint as the game shows him, in his cell and at the camp alike: the moonshiner's outfit,
// a body that takes a beating, and the gang and voice of the player's men. The rescue puts
// its own steps between these, so they are three.
#include "core/natives/Handles.h"

namespace corvale {

// The prompt name over his head and the moonshiner's clothes.
void DressCook(Ped cook, const char* name);
// Tough and a fair shot: he must live through a jailbreak and a raid.
void ToughenCook(Ped cook);
// One of the player's gang, with his own voice.
void GiveCookHisGang(Ped cook);

} // namespace corvale
