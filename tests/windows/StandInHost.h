#pragma once
// What the stand-in ScriptHookRDR2.dll records, shared with the loader that drives it.
// Plain data only: the loader and the stand-in each carry their own static C++ runtime.
#include <cstdint>

namespace standin {

using ScriptEntry = void (*)();
using KeyboardHandler = void (*)(uint32_t, uint16_t, uint8_t, int, int, int, int);

constexpr int kMaxScripts = 16;
constexpr int kMaxHandlers = 16;
constexpr int kMaxNatives = 512;
constexpr int kMaxSlots = 32;
constexpr int kResultSlots = 4;

struct Script {
    void* module; // the plug-in that registered it
    ScriptEntry entry;
    void* fiber;       // set by the loader
    uint32_t wakeAtMs; // game time at which its wait ends
    uint32_t waits;    // scriptWait calls
    uint32_t resumes;  // frames it ran
    bool unregistered;
    bool finished; // its entry returned
};

struct Handler {
    KeyboardHandler handler;
    bool unregistered;
};

struct NativeCount {
    uint64_t hash;
    uint32_t slots; // pushed per call; a native always takes the same number
    uint32_t calls;
};

struct State {
    // driven by the loader
    void* loaderFiber; // scriptWait switches back to it
    int current;       // script running now, -1 between scripts
    uint32_t gameTimeMs;
    uint64_t answer; // what every native answers in each result slot

    Script scripts[kMaxScripts];
    int scriptCount;
    Handler handlers[kMaxHandlers];
    int handlerCount;

    NativeCount natives[kMaxNatives];
    int nativeCount;
    uint64_t nativeCalls;
    bool callOpen; // nativeInit seen, nativeCall not yet
    uint64_t pendingHash;
    uint32_t pendingSlots;
    uint64_t pushed[kMaxSlots];
    uint64_t result[kResultSlots];

    int faults; // protocol faults; the first is described in fault
    char fault[256];
};

} // namespace standin

// Exported by the stand-in under this plain name.
extern "C" standin::State* StandInState();
