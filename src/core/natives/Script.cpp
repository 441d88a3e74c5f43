#include "core/natives/Script.h"

#include "core/natives/NativeCall.h"
#include "host/HostApi.h"

namespace corvale {

namespace {
constexpr uint64_t kSetTimerA = 0xc1b1e9a034a63a62;
}

void ScriptWait(uint32_t ms) { host::Api().scriptWait(ms); }

void SetScriptTimerA(int32_t ms) { Invoke(kSetTimerA, ms); }

} // namespace corvale
