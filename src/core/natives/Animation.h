#pragma once
// Animations: a ped task animation and an entity's own (scene) animation.
#include "core/natives/DebugTools.h"
#include "core/natives/Handles.h"

#include <cstdint>

namespace corvale {

// Logs "anim dict does not exist: " and plays nothing for an unknown dictionary; otherwise
// waits up to one whole wall-clock second (checked every 25 ms) for it, then plays.
void PlayAnim(Ped ped, const char* anim, const char* dict, int32_t duration, float blendIn,
              float blendOut, int32_t flags);
// Tries up to 501 times, 10 ms apart, to load the dictionary, then plays the animation on
// the entity itself (a still's lid moving with the player's hands). Returns the game's answer.
// While the debug tools are on, each try draws "loading " and the dictionary.
bool PlaySceneAnim(Entity entity, const char* anim, const char* dict, float speed, bool loop,
                   bool stayInAnim, float delta, int32_t flags, const DebugTools& debug);

} // namespace corvale
