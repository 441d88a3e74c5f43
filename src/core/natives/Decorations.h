#pragma once
// Decorations: named values the game keeps on an entity for every script to read (a body
// already found, the loot a ped carries). A name is registered with its type before use.
#include "core/natives/Handles.h"

namespace corvale {

namespace decorations {
inline constexpr int32_t kTypeInt = 3;
} // namespace decorations

void RegisterDecoration(const char* name, int32_t type);
// 0 when the entity does not carry it.
int32_t DecorationInt(Entity entity, const char* name);
bool SetDecorationInt(Entity entity, const char* name, int32_t value);

} // namespace corvale
