#include "core/natives/GaveUp.h"

#include "core/log/Log.h"
#include "core/natives/GameClock.h"
#include "core/timers/Elapsed.h"

#include <cstdio>

namespace corvale {

namespace {

struct GaveUp {
    Hash resource = 0;
    int32_t at = 0;
    bool used = false;
};

// A few models and sets at most fail in one game; when all slots hold recent ones, the
// oldest is forgotten first.
constexpr int kSlots = 16;
GaveUp gGaveUp[kSlots];

GaveUp* Find(Hash resource) {
    for (GaveUp& g : gGaveUp)
        if (g.used && g.resource == resource) return &g;
    return nullptr;
}

} // namespace

void RememberGaveUp(Hash resource) {
    const int32_t now = GameTimerMs();
    GaveUp* slot = Find(resource);
    for (GaveUp& g : gGaveUp) {
        if (slot) break;
        if (!g.used || ElapsedMs(now, g.at) >= kGaveUpMemoryMs) slot = &g;
    }
    if (!slot) {
        slot = &gGaveUp[0];
        for (GaveUp& g : gGaveUp)
            if (ElapsedMs(now, g.at) > ElapsedMs(now, slot->at)) slot = &g;
    }
    *slot = GaveUp{resource, now, true};
}

void GiveUp(const char* kind, Hash resource) {
    char line[64];
    std::snprintf(line, sizeof line, "failed to load %s: %d", kind,
                  static_cast<int32_t>(resource));
    Log(line);
    RememberGaveUp(resource);
}

bool GaveUpRecently(Hash resource) {
    GaveUp* g = Find(resource);
    if (!g) return false;
    const int32_t since = ElapsedSince(g->at);
    if (since >= 0 && since < kGaveUpMemoryMs) return true;
    g->used = false;
    return false;
}

void ForgetGaveUp(Hash resource) {
    if (GaveUp* g = Find(resource)) g->used = false;
}

void ForgetEveryGaveUp() {
    for (GaveUp& g : gGaveUp)
        g.used = false;
}

} // namespace corvale
