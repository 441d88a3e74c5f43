#pragma once
// Yielding the script back to the host.
#include <cstdint>

namespace corvale {

// Yields until the game timer has moved on by at least ms (0: the next frame). With a
// resume hook, the script is resumed in every frame of the wait and runs the hook in each.
void ScriptWait(uint32_t ms);

// What the script does each time the host resumes it (nullptr: nothing).
using ResumeHook = void (*)();
void SetResumeHook(ResumeHook hook);

// Resets the script's own timer A.
void SetScriptTimerA(int32_t ms);

// The script's own timer B: set to ms, and read in ms since.
void SetScriptTimerB(int32_t ms);
int32_t ScriptTimerB();

} // namespace corvale
