// Business plug-in: registers the still business script.
#include "business/BusinessMain.h"
#include "host/HostApi.h"
#include "plugins/PluginEntry.h"

namespace {

void AttachBusiness(void* module) {
    using namespace corvale;
    host::Install(host::PlatformHost());
    host::Api().scriptRegister(module, business::BusinessMain);
}

void DetachBusiness(void* module) { corvale::host::Api().scriptUnregister(module); }

} // namespace

CORVALE_PLUGIN_ENTRY(AttachBusiness, DetachBusiness)
