#pragma once
// Interface-kit code run against the simulator as the camp plug-in runs it: inside a
// registered script, one pass per frame.
#include "Simulator.h"
#include "core/natives/Script.h"
#include "host/HostApi.h"
#include "ui/Notifications.h"

#include <functional>
#include <memory>
#include <vector>

namespace kit {

// The script's pass; tests replace it (scripts of earlier tests stay parked, never resumed).
inline std::function<void()>& FramePass() {
    static std::function<void()> pass;
    return pass;
}

inline void FrameScript() {
    for (;;) {
        if (FramePass()) FramePass()();
        corvale::ScriptWait(0);
    }
}

// Registers the frame script on sim; its figures are those of script "unknown".
inline void RunEveryFrame(sim::Simulator& sim, std::function<void()> pass) {
    FramePass() = std::move(pass);
    sim.hostScriptRegister(nullptr, FrameScript);
}

// Forgets what an earlier test left pending in the kit.
inline void ClearPendingTexts() {
    corvale::ShowHelpText("", 0);
    corvale::QueueToast("", "", "", "", 0);
}

// Copies of the argument blocks a feed native received, slot by slot.
struct CapturedFeed {
    std::vector<uint64_t> display, content, flags;
};

// Wraps the simulator's handler of a feed native so a test sees the blocks as received.
inline std::shared_ptr<std::vector<CapturedFeed>>
CaptureFeed(sim::Simulator& s, uint64_t hash, size_t displaySlots, size_t contentSlots) {
    auto seen = std::make_shared<std::vector<CapturedFeed>>();
    sim::NativeHandler original = s.natives().find(hash)->handler;
    s.natives().override(hash,
                         [=](sim::Simulator& sim, const sim::NativeArgs& a, sim::NativeResult& r) {
                             CapturedFeed f;
                             const uint64_t* display = a.p<const uint64_t>(0);
                             const uint64_t* content = a.p<const uint64_t>(1);
                             f.display.assign(display, display + displaySlots);
                             f.content.assign(content, content + contentSlots);
                             for (size_t i = 2; i < a.count; ++i)
                                 f.flags.push_back(a.raw(i));
                             seen->push_back(f);
                             original(sim, a, r);
                         });
    return seen;
}

} // namespace kit
