#pragma once
// A script's own line of execution, handed control strictly: exactly one of the simulator
// and the scripts runs at a time. The game runs its scripts as fibers of its main thread;
// the Windows simulator does the same, the Linux one gives each script a thread.
#include <cstdint>
#include <ctime>
#include <functional>

namespace sim {

struct ScriptFlow;

// A flow whose body runs from its first resume on; it is finished when the body returns.
ScriptFlow* NewScriptFlow(std::function<void()> body);
// From the simulator: runs the flow until it yields or finishes. False when it did neither
// within a minute (only where that can be told apart from a hang of the whole process).
bool ResumeFlow(ScriptFlow* flow);
// From inside the flow: back to the simulator until the next resume.
void YieldFlow(ScriptFlow* flow);
// A flow that will not run again: its stack is freed where that is safe.
void DropFlow(ScriptFlow* flow);

// A steady clock for timing a script's slice, in nanoseconds.
uint64_t SliceClockNs();
// The calendar time as UTC: every simulated run reads the same.
void UtcTime(int64_t calendar, std::tm* out);

} // namespace sim
