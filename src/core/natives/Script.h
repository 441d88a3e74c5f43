#pragma once
// Yielding the script back to the host.
#include <cstdint>

namespace corvale {

// Yields until the game timer has moved on by at least ms (0: the next frame).
void ScriptWait(uint32_t ms);

// Resets the script's own timer A.
void SetScriptTimerA(int32_t ms);

} // namespace corvale
