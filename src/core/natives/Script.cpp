#include "core/natives/Script.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"
#include "host/HostApi.h"

namespace corvale {

namespace {
constexpr native::Native kSetTimerA{0xc1b1e9a034a63a62, "SETTIMERA", "int"};
constexpr native::Native kSetTimerB{0x5ae11bc36633de4e, "SETTIMERB", "int"};
constexpr native::Native kTimerB{0xc9d9444186b5a374, "TIMERB", ""};
} // namespace

void ScriptWait(uint32_t ms) { host::Api().scriptWait(ms); }

void SetScriptTimerA(int32_t ms) { Invoke(kSetTimerA, ms); }

void SetScriptTimerB(int32_t ms) { Invoke(kSetTimerB, ms); }

int32_t ScriptTimerB() { return Invoke<int32_t>(kTimerB); }

} // namespace corvale
