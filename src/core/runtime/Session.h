#pragma once
// A plug-in's world as the frame loop drives it. The runtime knows only that it starts up
// and runs a frame; the plug-in implements both and makes the one session at the top of its
// script entry, so the order of its frame's work lives with the plug-in.
#include "core/data/GameData.h"
#include "core/natives/DebugTools.h"
#include "core/runtime/ThrowImpactSampler.h"
#include "core/timers/NamedTimers.h"

namespace corvale {

class Session {
  public:
    // debugTextDrawer draws the debug tools' texts (none: nothing is drawn).
    explicit Session(DebugTools::TextDrawer debugTextDrawer = nullptr)
        : debugTools_(debugTextDrawer) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    virtual ~Session() = default;

    // The runtime's own process-wide objects, made with the session and handed from here
    // to those who use them.
    GameData& data() { return data_; }
    DebugTools& debugTools() { return debugTools_; }
    NamedTimers& timers() { return timers_; }
    ThrowImpactSampler& throwSampler() { return throwSampler_; }

    // Start-up: create the world objects in their fixed order.
    virtual void createWorld() = 0;
    // The plug-in's guarded work of one frame; what it throws the loop contains.
    virtual void runFrame() = 0;
    // Screen output the runtime itself needs.
    virtual void showMessage(const char* text) = 0;
    virtual void drawDebugText(const char* text) = 0;
    // Debug tools, F3: the plug-in's own debug action.
    virtual void runDebugAction() = 0;

  private:
    GameData data_;
    DebugTools debugTools_;
    NamedTimers timers_;
    ThrowImpactSampler throwSampler_;
};

} // namespace corvale
