// A plug-in that pushes argument slots by hand, one call a frame from its table, so a test
// sees which pushes the simulator takes and which it faults.
#include "SlotProbeCases.h"
#include "host/HostApi.h"
#include "plugins/PluginEntry.h"

namespace {

void ProbeMain() {
    const corvale::host::HostApi& host = corvale::host::Api();
    for (const slot_probe::ProbeCase& c : slot_probe::kCases) {
        host.nativeInit(c.hash);
        for (size_t i = 0; i < c.count; ++i)
            host.nativePush64(c.slots[i]);
        host.nativeCall();
        host.scriptWait(0);
    }
    for (;;)
        host.scriptWait(1000);
}

void AttachProbe(void* module) {
    corvale::host::Install(corvale::host::PlatformHost());
    corvale::host::Api().scriptRegister(module, ProbeMain);
}

void DetachProbe(void* module) {
    corvale::host::Api().scriptUnregister(module);
}

} // namespace

CORVALE_PLUGIN_ENTRY(AttachProbe, DetachProbe)
