#pragma once
// Yielding the script back to the host.
#include <cstdint>

namespace corvale {

// Yields until the game timer has moved on by at least ms (0: the next frame).
void ScriptWait(uint32_t ms);

// Resets the script's own timer A.
void SetScriptTimerA(int32_t ms);

// The script's own timer B: set to ms, and read in ms since.
void SetScriptTimerB(int32_t ms);
int32_t ScriptTimerB();

} // namespace corvale
