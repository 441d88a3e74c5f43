#pragma once
// Game handles: 32-bit values, 0 meaning none.
#include <cstdint>

namespace corvale {

using Entity = int32_t;
using Ped = Entity;
using Object = Entity;
using PropSet = int32_t;
using Vehicle = Entity;
using Cam = int32_t;
using PromptHandle = int32_t;
using Blip = int32_t;

} // namespace corvale
