// Camp plug-in: registers the camp script and the keyboard callback of the developer keys.
#include "camp/CampSession.h"
#include "core/input/KeyStateTable.h"
#include "host/HostApi.h"
#include "plugins/PluginEntry.h"

namespace {

void AttachCamp(void* module) {
    using namespace corvale;
    host::Install(host::PlatformHost());
    host::Api().scriptRegister(module, CampMain);
    host::Api().keyboardHandlerRegister(OnKeyboardMessage);
}

void DetachCamp(void* module) {
    using namespace corvale;
    host::Api().scriptUnregister(module);
    host::Api().keyboardHandlerUnregister(OnKeyboardMessage);
}

} // namespace

CORVALE_PLUGIN_ENTRY(AttachCamp, DetachCamp)
