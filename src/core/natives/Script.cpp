#include "core/natives/Script.h"

#include "host/HostApi.h"

namespace corvale {

void ScriptWait(uint32_t ms) { host::Api().scriptWait(ms); }

} // namespace corvale
