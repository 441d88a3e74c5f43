// A stand-in for the script host DLL, so the built plug-ins can be loaded and run under Wine.
// StandInHost.def exports these functions under the host's decorated names; every call is
// checked against the host's protocol and recorded for the loader's summary.
#include "StandInHost.h"

#include <cstdarg>
#include <cstdio>
#include <windows.h>

using namespace standin;

namespace {

State gState = [] {
    State s{};
    s.current = -1;
    s.answer = 1; // "is it loaded" polls succeed
    return s;
}();

void Fault(const char* format, ...) {
    if (gState.faults++ > 0) return;
    va_list args;
    va_start(args, format);
    std::vsnprintf(gState.fault, sizeof gState.fault, format, args);
    va_end(args);
}

// Natives the game's list declares with a variable argument list ("int,..."): their slot
// count changes from call to call by design. VAR_STRING composes literal and coloured texts.
constexpr uint64_t kVariadicNatives[] = {0xfa925ac00eb830b9};

bool IsVariadic(uint64_t hash) {
    for (uint64_t v : kVariadicNatives)
        if (v == hash) return true;
    return false;
}

int FindScript(void* module) {
    for (int i = 0; i < gState.scriptCount; ++i)
        if (gState.scripts[i].module == module && !gState.scripts[i].unregistered) return i;
    return -1;
}

} // namespace

extern "C" {

State* StandInState() {
    return &gState;
}

void SimScriptRegister(HINSTANCE module, ScriptEntry entry) {
    if (!module || !entry) return Fault("scriptRegister(%p, %p)", module, (void*)entry);
    if (FindScript(module) >= 0) return Fault("scriptRegister twice for module %p", module);
    if (gState.scriptCount == kMaxScripts) return Fault("too many scripts");
    Script& s = gState.scripts[gState.scriptCount++];
    s = Script{};
    s.module = module;
    s.entry = entry;
}

void SimScriptUnregister(HINSTANCE module) {
    bool found = false;
    for (int i = 0; i < gState.scriptCount; ++i) {
        Script& s = gState.scripts[i];
        if (s.module == module && !s.unregistered) {
            s.unregistered = true;
            found = true;
        }
    }
    if (!found) Fault("scriptUnregister of module %p that has no script", module);
}

// GCC 12 mistakes the TEB read inside GetCurrentFiber for an out-of-bounds access.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
void SimScriptWait(DWORD ms) {
    const int i = gState.current;
    if (i < 0 || !gState.loaderFiber) return Fault("scriptWait(%lu) outside a script", ms);
    Script& s = gState.scripts[i];
    if (GetCurrentFiber() != s.fiber) return Fault("scriptWait(%lu) on a foreign fiber", ms);
    if (gState.callOpen) Fault("scriptWait inside native call 0x%016llx", gState.pendingHash);
    ++s.waits;
    s.wakeAtMs = gState.gameTimeMs + ms;
    SwitchToFiber(gState.loaderFiber);
}
#pragma GCC diagnostic pop

void SimKeyboardHandlerRegister(KeyboardHandler handler) {
    if (!handler) return Fault("keyboardHandlerRegister(null)");
    for (int i = 0; i < gState.handlerCount; ++i)
        if (gState.handlers[i].handler == handler && !gState.handlers[i].unregistered)
            return Fault("keyboardHandlerRegister twice for %p", (void*)handler);
    if (gState.handlerCount == kMaxHandlers) return Fault("too many keyboard handlers");
    gState.handlers[gState.handlerCount++] = Handler{handler, false};
}

void SimKeyboardHandlerUnregister(KeyboardHandler handler) {
    for (int i = 0; i < gState.handlerCount; ++i) {
        if (gState.handlers[i].handler == handler && !gState.handlers[i].unregistered) {
            gState.handlers[i].unregistered = true;
            return;
        }
    }
    Fault("keyboardHandlerUnregister of %p that was not registered", (void*)handler);
}

void SimNativeInit(uint64_t hash) {
    if (gState.callOpen)
        Fault("nativeInit(0x%016llx) before calling 0x%016llx", hash, gState.pendingHash);
    gState.callOpen = true;
    gState.pendingHash = hash;
    gState.pendingSlots = 0;
}

void SimNativePush64(uint64_t slot) {
    if (!gState.callOpen) return Fault("nativePush64 without nativeInit");
    if (gState.pendingSlots == kMaxSlots)
        return Fault("more than %d slots for 0x%016llx", kMaxSlots, gState.pendingHash);
    gState.pushed[gState.pendingSlots++] = slot;
}

uint64_t* SimNativeCall() {
    for (uint64_t& r : gState.result)
        r = gState.answer;
    if (!gState.callOpen) {
        Fault("nativeCall without nativeInit");
        return gState.result;
    }
    gState.callOpen = false;
    ++gState.nativeCalls;
    const uint64_t hash = gState.pendingHash;
    for (int i = 0; i < gState.nativeCount; ++i) {
        NativeCount& n = gState.natives[i];
        if (n.hash != hash) continue;
        if (n.slots != gState.pendingSlots && !IsVariadic(hash))
            Fault("native 0x%016llx called with %u slots, before with %u", hash,
                  gState.pendingSlots, n.slots);
        ++n.calls;
        return gState.result;
    }
    if (gState.nativeCount < kMaxNatives)
        gState.natives[gState.nativeCount++] = NativeCount{hash, gState.pendingSlots, 1};
    return gState.result;
}

} // extern "C"
